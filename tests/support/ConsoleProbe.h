#pragma once
// What the console tests look at and drive inside a whole console, beside
// its windows: the state it keeps, the session's line and port, and the few
// parts of the operations a test starts or reads.

#include "app/Console.h"
#include "app/FileTransfers.h"
#include "monitor/StatisticsLog.h"
#include "records/SessionLog.h"
#include "ui/config/ConfigurationDialog.h"
#include "ui/main/HelpWindow.h"

namespace orvane {

class ConsoleProbe {
public:
    explicit ConsoleProbe(Console& console) : c_(console) {}

    MainWindow& window() { return c_.mainWindow(); }
    const SecondaryWindows& monitorWindows() const { return c_.windows_.windows_; }

    Settings& settings() { return c_.state_.settings; }
    ConfigChanged& configChanged() { return c_.state_.configChanged; }
    const ModemIdentity& identity() const { return c_.state_.identity; }
    LinkState& link() { return c_.state_.link; }
    TerminalModeState& terminal() { return c_.state_.terminal; }

    SequenceRunner& sequences() { return c_.session_.sequences(); }
    Task<bool> startupSequence() { return c_.session_.startupSequence(); }
    ModemLine& line() { return c_.session_.line(); }
    PortSession& port() { return c_.session_.port(); }
    RxQueue& rxQueue() { return c_.session_.rxQueue(); }
    RoutingFlags& routing() { return c_.session_.routing(); }
    SessionLog& sessionLog() { return c_.session_.log(); }
    bool waitingForDevice() const { return c_.session_.recovery_.waitingForDevice(); }
    // What CommandTimer's expiry runs.
    void modemStoppedResponding() { c_.session_.modemStoppedResponding(); }

    void showAbout() { c_.windows_.showAbout(); }
    HelpWindow& helpWindow() { return *c_.windows_.help_; }
    const StatisticsLog& statisticsLog() const { return c_.windows_.monitors_.statisticsLog(); }
    ConfigurationDialog& configurationDialog() {
        return c_.operations_.configuration_.configuration();
    }
    void loadFirmware() { c_.operations_.firmware_.mnuFilesLoadFirmwareClick(); }
    bool capturing() const { return c_.operations_.capture_.isOn(); }
    FileTransfers& transfers() { return c_.operations_.transfers_; }

private:
    Console& c_;
};

} // namespace orvane
