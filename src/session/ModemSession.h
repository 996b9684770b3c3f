#pragma once

#include "protocol/link/SupervisionHooks.h"
#include "records/SessionLog.h"
#include "sequence/SequenceRunner.h"
#include "serial/EchoCounter.h"
#include "serial/LineLoss.h"
#include "serial/ReceivedCharHandler.h"
#include "serial/RoutingFlags.h"
#include "serial/RoutingThread.h"
#include "serial/RxQueue.h"
#include "serial/WireTraceRing.h"
#include "serial/XonXoffFilter.h"
#include "session/AttachedClients.h"
#include "session/CloseStakes.h"
#include "session/ConsoleServices.h"
#include "session/DeviceRecovery.h"
#include "session/ModemLine.h"
#include "session/ModemModes.h"
#include "session/PortSession.h"
#include "session/QueuedEndOfLine.h"
#include "session/ReceiveBridge.h"
#include "session/SessionSettings.h"
#include "session/StatusWiring.h"
#include "session/WorkingDirectories.h"

#include <memory>

namespace orvane {

class ModeSurface;
class MonitorDisplays;
class SessionLifecycle;
class SessionView;
class Timer;
struct SessionState;

// The windows the session works with from the start.
struct SessionWindows {
    SessionView& view;
    ModeSurface& surface;
    MonitorDisplays& monitors;
    ReceiveWindow& receiveWindow;
};

// The modem session: the port with its reader and our transmit line, the
// receive queue and its routing to the status dispatch and the received
// text, the link picture with its timers, the modes, the recovery of a lost
// device, the settings file, and the sequences that run the start-up with
// its handshake and the close with its goodbye. No window is known here
// but through the interfaces above.
class ModemSession final : private PortSessionHooks,
                           private SupervisionHooks,
                           private LineLossListener {
public:
    ModemSession(const ConsoleServices& services, SessionState& state,
                 const SessionWindows& windows, SessionLifecycle& lifecycle);
    ~ModemSession() override;
    ModemSession(const ModemSession&) = delete;
    ModemSession& operator=(const ModemSession&) = delete;

    // The parts built on the session; before start().
    void attach(SessionClients& clients) { clients_.attach(clients); }
    // They go: the routing, which writes into their files, ends first.
    void detach();

    // Shows the splash and arms its timer; the start-up sequence runs once
    // the event loop does.
    void start();
    // The start-up sequence itself. False when start-up ended (port choice
    // cancelled); the main window was then never shown.
    Task<bool> startupSequence();
    // The close: everything stops, the goodbye goes to the modem, and the
    // lifecycle hears goodbyeSaid() once it has left (or could not within a second).
    void close();
    // The operator asks to close (the close box, the window manager, Files
    // Exit). With nothing at stake this is close() and true. With a link up, a
    // file transfer running or text still to send, the operator is asked first:
    // stay, and nothing changes; or disconnect and close, which sends
    // DISCONNECT, waits a bounded time for the modem to report the link down
    // and then closes. False while the window is to stay open for now.
    bool requestClose();
    // Closes as the window's close box does, then ends the process (a signal asks
    // it: a save that fails is reported on standard error, not in a box).
    void closeAndExit();
    // "Modem has stopped responding!": CommandTimer expired.
    void modemStoppedResponding();

    // What the parts built on the session work with.
    SequenceRunner& sequences() { return sequences_; }
    ModemLine& line() { return line_; }
    PortSession& port() { return port_; }
    RxQueue& rxQueue() { return rxQueue_; }
    RoutingFlags& routing() { return routing_; }
    EchoCounter& echoes() { return echoes_; }
    RoutingThread& routingThread() { return routingThread_; }
    StatusWiring& status() { return status_; }
    ModemModes& modes() { return modes_; }
    ReceivedCharHandler& receivedChars() { return chars_; }
    ConsoleActivities& activities() { return clients_; }
    SyncIdleEndOfLine& endOfLine() { return endOfLine_; }
    SessionLog& log() { return log_; }
    const WireTraceRing& wireTrace() const { return wireTrace_; }
    SettingsSaver& settingsFile() { return settingsFile_; }
    const WorkingDirectories& directories() const { return directories_; }

private:
    friend class ConsoleProbe;

    // PortSessionHooks
    std::optional<int> choosePort(const std::string& reason) override;
    void portChanged() override;
    void resetLinkState() override;
    void hideMainWindow() override;
    // SupervisionHooks
    void setDtr() override;
    void modemSilenceShutdown() override { modemStoppedResponding(); }
    void hardwareResetRecovery() override;
    // LineLossListener: any thread.
    void lineLost() override { recovery_.lineLost(); }

    Task<> sayGoodbye();
    CloseStakes closeStakes();
    Task<> disconnectThenClose();
    void stopTimers();

    ConsoleServices services_;
    SessionState& state_;
    SessionView& view_;
    SessionLifecycle& lifecycle_;
    WorkingDirectories directories_;
    SequenceRunner sequences_;
    // The goodbye has a runner of its own, so that no sequence left waiting
    // (a question on screen) can hold it back.
    SequenceRunner closing_;
    RxQueue rxQueue_;
    WireTraceRing wireTrace_;
    RoutingFlags routing_;
    EchoCounter echoes_;
    AttachedClients clients_;
    // The trace sees the whole line; the log only the text that left the
    // transmit queue (not the firmware loader's image, for one).
    SessionLog log_;
    XonXoffFilter flow_;
    ModemLine line_;
    QueuedEndOfLine endOfLine_;
    PortSession port_;
    SessionStatusSide statusSide_;
    StatusWiring status_;
    ModemModes modes_;
    DeviceRecovery recovery_;
    ReceivedCharHandler chars_;
    ReceiveBridge bridge_;
    RoutingThread routingThread_;
    SessionSettings settingsFile_;
    std::unique_ptr<Timer> startupTimer_; // Timer1 of the splash window
    bool startupFinished_ = false;
    bool closed_ = false;
    bool askingToClose_ = false;
    bool disconnectingToClose_ = false;
    bool goodbyeSaid_ = false;
    bool exitAfterClose_ = false;
};

} // namespace orvane
