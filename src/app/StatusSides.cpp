#include "app/StatusSides.h"

#include "app/FileTransfers.h"

#include "app/Console.h"
#include "app/ModemControl.h"
#include "app/PortSession.h"
#include "serial/EchoCounter.h"
#include "serial/RoutingFlags.h"
#include "serial/SerialPort.h"

namespace orvane {

void ConsoleSupervision::setDtr() { console_.port().setDtr(true); }

void ConsoleSupervision::modemSilenceShutdown() { console_.modemStoppedResponding(); }

void ConsoleSupervision::hardwareResetRecovery() { console_.modem().codeMenu().hardwareResetRecovery(); }

void ConsoleReceiveSide::setEchoMode(bool on) { routing_.EchoMode = on; }

void ConsoleReceiveSide::resetEchoPending() { echoes_.reset(); }

void ConsoleReceiveSide::clearLineErrors() {
    if (SerialPort* serial = port_.port()) serial->lineStatus();
}

void ConsoleFileActivities::stopTextFileSend() { console_.transfers().stopDiskSaveSend(); }

// A failed link ends every activity that holds a file open, so that nothing
// writes to a closed file afterwards.
void ConsoleFileActivities::closeFileActivities() {
    console_.capture().stop();
    console_.transfers().stopDiskSaveSend();
}

void ConsoleFileActivities::setEndOfLine(const std::string& word, EndOfLineWords accepted) {
    applyEndOfLine(console_.modem().terminal(), word, accepted);
}

void AttachedMonitorDisplays::ShowTuneLevels() {
    if (windows_) windows_->ShowTuneLevels();
}

void AttachedMonitorDisplays::ShowFreqOffset() {
    if (windows_) windows_->ShowFreqOffset();
}

void AttachedMonitorDisplays::ShowLinkStatistics() {
    if (windows_) windows_->ShowLinkStatistics();
}

void AttachedMonitorDisplays::ShowModulations() {
    if (windows_) windows_->ShowModulations();
}

void AttachedMonitorDisplays::LogStatistics() {
    if (windows_) windows_->LogStatistics();
}

bool AttachedMonitorDisplays::StatsLogging() const { return windows_ && windows_->StatsLogging(); }

} // namespace orvane
