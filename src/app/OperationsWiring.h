#pragma once

#include "app/PortPumpLine.h"
#include "operations/ArqCalls.h"
#include "operations/CqAndMessages.h"
#include "operations/LinkEnd.h"
#include "operations/TransmitPaneText.h"
#include "operations/TransmitPump.h"
#include "operations/TurnTaking.h"
#include "terminal/TransmitSendState.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace orvane {

class Broadcasts;
class CallPanel;
class HereIsPanel;
class MainWindow;
class ModemControl;
class PortSession;
class Prompter;
class Sound;
class TransmitKeyFilter;
class BinaryPumpSource;
class BinaryTransferGuard;
class ConfigChanged;
class FaxAbortMark;
class TextFilePumpSource;
class ConsoleActivities;
class EchoCounter;
struct RoutingFlags;
struct Settings;

// The file transfers' share of the operations: the pump serves their data,
// the toolbar texts wait for them, Panic marks a FAX aborted.
struct TransferHooks {
    BinaryPumpSource& binary;
    TextFilePumpSource& textFile;
    BinaryTransferGuard& guard;
    FaxAbortMark& fax;
};

// The operator's operations, put together and reached from the toolbars by
// the handler names their buttons carry; the pump runs on the queue-empty event.
class OperationsWiring {
public:
    struct Environment {
        MainWindow& window;
        QWidget& receivePane;
        ModemControl& modem;
        PortSession& port;
        Settings& settings;
        ConfigChanged& configChanged;
        EchoCounter& echoes;
        RoutingFlags& routing;
        ConsoleActivities& activities;
        Broadcasts& broadcasts;
        Prompter& prompter;
        Sound& sound;
        std::filesystem::path messageFolder;
        TransferHooks transfers;
    };

    explicit OperationsWiring(Environment environment);
    ~OperationsWiring();

    TransmitPump& pump() { return *pump_; }
    // SentCount and the transmit-pane lock, for the commands that empty the pane.
    TransmitSendState& sendState() { return sendState_; }
    ArqCalls& calls() { return *calls_; }
    CallPanel& callPanel() { return *callPanel_; }
    const OperationContext& context() const { return *context_; }
    TurnTaking& turns() { return *turns_; }
    LinkEnd& linkEnd() { return *linkEnd_; }
    CqAndMessages& messages() { return *messages_; }

private:
    void connectToolbars();

    Environment env_;
    PortPumpLine line_;
    TransmitSendState sendState_;
    std::unique_ptr<TransmitPaneText> txPane_;
    std::unique_ptr<TransmitPump> pump_;
    CallPanel* callPanel_ = nullptr;
    HereIsPanel* hereIs_ = nullptr;
    std::optional<OperationContext> context_;
    std::unique_ptr<ArqCalls> calls_;
    std::unique_ptr<TurnTaking> turns_;
    std::unique_ptr<LinkEnd> linkEnd_;
    std::unique_ptr<CqAndMessages> messages_;
};

} // namespace orvane
