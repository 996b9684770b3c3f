#pragma once

#include "app/DeviceRecovery.h"
#include "app/StatusWiring.h"
#include "app/surface/WidgetSurface.h"
#include "modes/CodeMenu.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeContext.h"
#include "modes/ModeSetupRunner.h"
#include "modes/TerminalModeState.h"
#include "monitor/StatusBarView.h"
#include "monitor/TimeDisplayTick.h"
#include "monitor/TransferProgress.h"
#include "operations/CommandSender.h"
#include "sequence/SequenceRunner.h"

#include <memory>

namespace orvane {

class ConfigChanged;
class MainWindow;
class PortSession;
struct Settings;

// What runs the modem once it is set up: the window surface the status
// handling and the mode set-ups change, the link state with its timers and
// dispatchers, the mode set-ups with the Code menu, and the status bar tick.
class ModemControl final : public DeviceRecoveryHost,
                           private ModeCommandSink,
                           private CommandSender,
                           private StatusBarView,
                           private SequenceObserver {
public:
    struct Environment {
        Clock& clock;
        Sound& sound;
        RxQueue& queue;
        MainWindow& window;
        QWidget& amplitudeTuneWindow;
        PortSession& port;
        Settings& settings;
        ConfigChanged& configChanged;
        StatusSides sides;
    };

    explicit ModemControl(Environment environment);
    ~ModemControl() override;

    WidgetSurface& surface() { return surface_; }
    StatusWiring& status() { return *status_; }
    LinkState& link() { return status_->link(); }
    TerminalModeState& terminal() { return terminal_; }
    ModeSetupRunner& setups() { return *runner_; }
    CodeMenu& codeMenu() { return *codeMenu_; }
    TimeDisplayTick& clockTick() { return *tick_; }
    // Where the operations send their commands.
    CommandSender& commands() { return *this; }

    // After the handshake: the set-ups compare against the modem's hardware.
    void setHardwareVersion(const std::string& version) { context_->hardwareVersion = version; }
    // Where the AMTOR set-up finds the answer-back file.
    void setMessageDirectory(const std::filesystem::path& dir) { context_->messageDirectory = dir; }
    void connectCodeMenu();

    // DeviceRecoveryHost
    void showLineState(const std::string& text) override;
    void replayModeSetup() override;

private:
    // ModeCommandSink, CommandSender
    void send(const ModemCommand& command) override;
    void pauseRoutingFor(int ms) override;
    // SequenceObserver: the Code menu shows the mode the console holds.
    void sequencesChanged() override;
    void sequenceFailed(const std::string& name, const std::string& what) override;
    // StatusBarView
    void setPanel(int index, const std::string& text) override;
    int receiveLineCount() const override;
    int transmitLineCount() const override;

    Environment env_;
    WidgetSurface surface_;
    TerminalModeState terminal_;
    std::unique_ptr<StatusWiring> status_;
    std::unique_ptr<ModeContext> context_;
    std::unique_ptr<ModeSetupRunner> runner_;
    std::unique_ptr<CodeMenu> codeMenu_;
    TransferProgress noTransfers_;
    std::unique_ptr<TimeDisplayTick> tick_;
};

} // namespace orvane
