#include "session/PortSession.h"

#include "platform/Prompter.h"
#include "protocol/handshake/AnotherPortQuestion.h"
#include "sequence/SequenceRunner.h"
#include "serial/ModemPort.h"
#include "serial/PortReaderThread.h"
#include "serial/RoutingFlags.h"
#include "serial/TransmitThread.h"
#include "serial/XonXoffFilter.h"
#include "session/ModemLine.h"

namespace orvane {

PortSession::PortSession(std::filesystem::path baseDir, const PortSessionParts& parts,
                         Prompter& prompter, ProcessExit& processExit, PortSessionHooks& hooks)
    : baseDir_(std::move(baseDir)), parts_(parts), prompter_(prompter), processExit_(processExit),
      hooks_(hooks) {}

PortSession::~PortSession() {
    close();
}

bool PortSession::open() {
    for (;;) {
        std::string error;
        if (startOn(PortName, error)) return true;
        // The port dialog says which device failed and why.
        std::optional<int> chosen = hooks_.choosePort(error);
        if (!chosen) {
            hideMainWindow();
            return false;
        }
        PortName = "COM" + std::to_string(*chosen);
    }
}

bool PortSession::startOn(const std::string& portName, std::string& error) {
    error = openPort(portName);
    if (!error.empty()) return false;
    // A fresh receive side: no link, routing not paused, nothing queued.
    hooks_.resetLinkState();
    parts_.routing.RoutingPaused = false;
    parts_.queue.clear();
    startReader();
    takeUpLine();
    return true;
}

// Opens the device the name leads to now, with RTS and then DTR raised.
std::string PortSession::openPort(const std::string& portName) {
    PortOpening opening = openPortName(parts_.devices, portName, baseDir_);
    if (!opening.port) return opening.error;
    port_ = std::move(opening.port);
    lastDevice_ = port_->devicePath();
    port_->setWireTap(&parts_.wireTap);
    setRts(true);
    setDtr(true);
    return {};
}

void PortSession::startReader() {
    parts_.queue.acceptWaiters();
    reader_ = std::make_unique<PortReaderThread>(*port_, parts_.queue, parts_.flow,
                                                 PortReaderThread::LineErrorHandler{},
                                                 &parts_.lossListener);
}

void PortSession::takeUpLine() {
    parts_.line.usePort(port_.get());
}

bool PortSession::releaseLostDevice() {
    if (!port_) return false;
    if (reader_) {
        parts_.queue.releaseWaiters();
        reader_->stop();
        reader_.reset();
    }
    parts_.line.usePort(nullptr);
    port_.reset();
    return true;
}

bool PortSession::deviceLost() const {
    return port_ && ((reader_ && reader_->lineLost()) || parts_.line.lineLost());
}

std::string PortSession::reopen() {
    if (port_) return {};
    std::string error = openPort(PortName);
    if (error.empty()) startReader();
    return error;
}

void PortSession::stopThreads() {
    if (reader_) {
        parts_.queue.releaseWaiters();
        reader_->stop();
        reader_.reset();
    }
    parts_.line.stop();
}

void PortSession::close() {
    stopThreads();
    port_.reset();
}

bool PortSession::chooseAnotherPort() {
    close();
    if (!askForAnotherPort(prompter_, processExit_)) return false;
    hooks_.portChanged();
    std::optional<int> chosen = hooks_.choosePort({});
    if (!chosen) processExit_.exitNow(0);
    PortName = "COM" + std::to_string(*chosen);
    return open();
}

Task<> PortSession::sendCommand(const ModemCommand& command) {
    return sendPaced(command, parts_.line, parts_.sequences);
}

// Our own transmit buffer as well as the driver's queue.
int PortSession::pendingOutput() {
    return static_cast<int>(parts_.line.pending());
}

void PortSession::setRts(bool on) {
    if (port_) reportRefusal(port_->setRts(on), on ? "raise RTS" : "drop RTS");
}

void PortSession::setDtr(bool on) {
    if (port_) reportRefusal(port_->setDtr(on), on ? "raise DTR" : "drop DTR");
}

void PortSession::setXonXoffFilter(bool on) {
    parts_.flow.set(on);
}

void PortSession::reapplyLineConfiguration() {
    if (port_) reportRefusal(port_->configureLine(9600), "take the line settings 9600 8N1");
}

// The modem may not hear us as it should; the operator hears of it at once,
// without a dialog that stops the console.
void PortSession::reportRefusal(bool done, const std::string& what) {
    if (!done)
        prompter_.notice("Orvane", "The serial port " + lastDevice_ + " did not " + what + ".",
                         PromptIcon::Exclamation);
}

void PortSession::ensureThreadsRunning() {
    if (reader_) reader_->resume();
    if (TransmitThread* transmit = parts_.line.transmitQueue()) transmit->resume();
}

void PortSession::clearRoutingPaused() {
    parts_.routing.RoutingPaused = false;
}

void PortSession::hideMainWindow() {
    hooks_.hideMainWindow();
}

} // namespace orvane
