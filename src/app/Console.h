#pragma once

#include "app/ConsoleServices.h"
#include "app/ReceiveBridge.h"
#include "app/SecondaryWindows.h"
#include "app/StatusSides.h"
#include "app/Transcript.h"
#include "app/WorkingDirectories.h"
#include "app/handshake/ModemIdentity.h"
#include "config/ConfigChanged.h"
#include "config/ScreenLayout.h"
#include "config/Settings.h"
#include "platform/QtDocumentViewer.h"
#include "config/ui/DisplayTarget.h"
#include "config/ui/SettingsSaver.h"
#include "records/DiagnosticTraceSave.h"
#include "records/SessionLog.h"
#include "records/SessionLogCommands.h"
#include "sequence/SequenceRunner.h"
#include "serial/EchoCounter.h"
#include "serial/ReceivedCharHandler.h"
#include "serial/RoutingFlags.h"
#include "serial/RxQueue.h"
#include "serial/WireTraceRing.h"
#include "terminal/ReceiveCapture.h"
#include "terminal/ReceiveSaving.h"

#include <QObject>

#include <memory>

namespace orvane {

class AboutBox;
class DeviceRecovery;
class DisplayThread;
class FileTransfers;
class FirmwareLoading;
class HelpWindow;
class MainWindow;
class ModemControl;
class ConsolePortHooks;
class OperationsWiring;
class MonitorWindows;
class OnAirOperations;
class PaneCommands;
class CallSignPopup;
class KeyboardWiring;
class ConfigurationWindows;
class ViewMenu;
class PortSession;
class ReceivePane;
class ReceivePrinting;
class SplashWindow;
class Timer;

// Puts the console together and takes it apart: windows, the serial link,
// start-up behind the splash window, the modem handshake, the normal close
// and the shutdown when the modem stops answering.
class Console final : public QObject,
                      public ReceivedCharTarget,
                      private SettingsSaver,
                      private DisplayTarget,
                      private SyncIdleEndOfLine {
    Q_OBJECT
public:
    explicit Console(ConsoleServices services, QObject* parent = nullptr);
    ~Console() override;

    // Arms the splash timer; the start-up sequence runs once the event loop does.
    void start();
    // The start-up sequence itself. False when start-up ended (port choice
    // cancelled); the main window was then never shown.
    Task<bool> startupSequence();
    // Closes as the window's close box does, then ends the process.
    void closeAndExit();
    // What goes to the modem, one sequence at a time.
    SequenceRunner& sequences() { return sequences_; }

    MainWindow& mainWindow() { return *mainWindow_; }
    SplashWindow& splash() { return *splash_; }
    AboutBox& aboutBox() { return *about_; }
    HelpWindow& helpWindow() { return *help_; }
    const SecondaryWindows& windows() const { return windows_; }
    Settings& settings() { return settings_; }
    ConfigChanged& configChanged() { return configChanged_; }
    const ModemIdentity& identity() const { return identity_; }
    PortSession& port() { return *port_; }
    DeviceRecovery& recovery() { return *recovery_; }
    ModemControl& modem() { return *modem_; }
    RxQueue& rxQueue() { return rxQueue_; }
    RoutingFlags& routing() { return routing_; }
    bool startupFinished() const { return startupFinished_; }
    ReceiveCapture& capture() { return capture_; }
    ReceiveSaving& receiveSaving() { return *receiveSaving_; }
    KeyboardWiring& keyboard() { return *keyboard_; }
    FileTransfers& transfers() { return *transfers_; }
    const WireTraceRing& wireTrace() const { return wireTrace_; }
    SessionLog& sessionLog() { return *sessionLog_; }
    PaneCommands& paneCommands() { return *paneCommands_; }
    ConfigurationWindows& configuration() { return *configuration_; }
    ViewMenu& viewMenu() { return *viewMenu_; }
    MonitorWindows& monitor() { return *monitor_; }
    FirmwareLoading& firmware() { return *firmware_; }
    OperationsWiring& operations() { return *operations_; }
    OnAirOperations& onAir() { return *onAir_; }

    // The close: everything stops, the goodbye goes to the modem, and
    // closed() is signalled once it has left (or could not within a second).
    void FormClose();
    // "Modem has stopped responding!": CommandTimer expired.
    void modemStoppedResponding();
    void About1Click();
    void mnuHelpContentsClick();
    void saveconfigClick();

signals:
    // Start-up ended without showing the main window.
    void startupAbandoned();
    // The close has said goodbye to the modem.
    void closed();

private:
    // ReceivedCharTarget
    bool faxTransferPanelVisible() const override;
    void showReceived(char c) override;
    void showEcho(char c) override;
    void playSystemDefault() override;
    void captureChar(std::uint8_t c) override;
    void returnFocus() override;

    void createWorkingDirectories();
    void connectMenus();
    void connectPaneCommands();
    void createSessionLog();
    void loadSettings();
    // SettingsSaver
    bool saveSettings() override;
    // DisplayTarget
    void applyDisplaySettings() override;
    // SyncIdleEndOfLine
    void queueEndOfLineIfSyncIdle() override;
    void connectSaving();
    void connectKeyboard();
    void createConfigurationWindows();
    void dispatchStatus(std::uint8_t code);
    void stopTimers();
    Task<> sayGoodbye();

    ConsoleServices services_;
    SequenceRunner sequences_{services_.clock};
    // The goodbye has a runner of its own, so that no sequence left waiting
    // (a question on screen) can hold it back.
    SequenceRunner closing_{services_.clock};
    WorkingDirectories directories_;
    Settings settings_;
    ScreenLayout layout_;
    ConfigChanged configChanged_;
    ModemIdentity identity_;

    RxQueue rxQueue_;
    WireTraceRing wireTrace_;
    DiagnosticTraceSave traceSave_;
    RoutingFlags routing_;
    EchoCounter echoes_;
    Transcript transcript_;

    ReceivePane* receivePane_ = nullptr;
    MainWindow* mainWindow_ = nullptr;
    SecondaryWindows windows_;
    SplashWindow* splash_ = nullptr;
    HelpWindow* help_ = nullptr;
    AboutBox* about_ = nullptr;

    ReceiveBridge bridge_;
    BinaryReceiveRelay binaryReceive_;
    std::unique_ptr<ReceivedCharHandler> charHandler_;
    std::unique_ptr<DisplayThread> display_;
    std::unique_ptr<ConsolePortHooks> portHooks_;
    std::unique_ptr<PortSession> port_;
    ConsoleSupervision supervision_{*this};
    ConsoleFileActivities fileActivities_{*this};
    AttachedMonitorDisplays monitorDisplays_;
    std::unique_ptr<ConsoleReceiveSide> receiveSide_;
    std::unique_ptr<ModemControl> modem_;
    std::unique_ptr<DeviceRecovery> recovery_;
    std::unique_ptr<MonitorWindows> monitor_;
    std::unique_ptr<FirmwareLoading> firmware_;
    std::unique_ptr<OperationsWiring> operations_;
    std::unique_ptr<PaneCommands> paneCommands_;
    std::unique_ptr<OnAirOperations> onAir_;
    CallSignPopup* callSignPopup_ = nullptr;
    std::unique_ptr<SessionLog> sessionLog_;
    QtDocumentViewer documentViewer_;
    std::unique_ptr<SessionLogCommands> sessionLogCommands_;
    ReceiveCapture capture_;
    std::unique_ptr<ReceiveSaving> receiveSaving_;
    std::unique_ptr<KeyboardWiring> keyboard_;
    std::unique_ptr<ConfigurationWindows> configuration_;
    std::unique_ptr<ViewMenu> viewMenu_;
    std::unique_ptr<FileTransfers> transfers_;
    std::unique_ptr<ReceivePrinting> printing_;

    std::unique_ptr<Timer> startupTimer_; // Timer1 of the splash window
    bool startupFinished_ = false;
    bool settingsLoaded_ = false;
    bool closed_ = false;
    bool goodbyeSaid_ = false;
};

} // namespace orvane
