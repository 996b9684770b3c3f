#pragma once

#include "operations/LinkEnd.h"
#include "operations/OutputHoldNotice.h"
#include "operations/OwnCall.h"
#include "operations/TransmitPaneText.h"
#include "operations/TransmitPump.h"
#include "operations/TurnTaking.h"
#include "session/ModemLine.h"
#include "terminal/TransmitSendState.h"
#include "ui/operations/ArqCalls.h"
#include "ui/operations/CqAndMessages.h"

#include <memory>
#include <optional>

namespace orvane {

class Broadcasts;
class CallPanel;
class ConsoleWindows;
class HereIsPanel;
class ModemSession;
class BinaryTransferGuard;
class FaxAbortMark;
class FileSenders;
struct ConsoleServices;
struct SessionState;

// The file transfers' share of the operations: the pump serves their data,
// the toolbar texts wait for them, Panic marks a FAX aborted.
struct TransferHooks {
    FileSenders& senders;
    BinaryTransferGuard& guard;
    FaxAbortMark& fax;
};

// The operator's operations on the session's line, put together and
// connected to the toolbar buttons by role; the pump runs each time the
// transmit queue is found empty, and a modem that holds it back is shown.
class OperationsWiring final : private QueueEmptyListener {
public:
    OperationsWiring(const ConsoleServices& services, SessionState& state, ModemSession& session,
                     ConsoleWindows& windows, Broadcasts& broadcasts,
                     const TransferHooks& transfers);
    ~OperationsWiring() override;

    TransmitPump& pump() { return *pump_; }
    // SentCount and the transmit-pane lock, for the commands that empty the pane.
    TransmitSendState& sendState() { return txPane_->sendState(); }
    const TransmitPaneText& paneText() const { return *txPane_; }
    ArqCalls& calls() { return *calls_; }
    CallPanel& callPanel() { return *callPanel_; }
    const OperationContext& context() const { return *context_; }
    TurnTaking& turns() { return *turns_; }
    LinkEnd& linkEnd() { return *linkEnd_; }
    CqAndMessages& messages() { return *messages_; }
    const OwnCallGate& ownCall() const { return ownCall_; }

private:
    // QueueEmptyListener
    void transmitQueueEmpty() override {
        pump_->TransmitPumpPass();
        holdNotice_->passFound(pump_->heldBy());
    }
    void connectToolbars(ConsoleWindows& windows);

    OwnCallGate ownCall_;
    std::unique_ptr<TransmitPaneText> txPane_;
    std::unique_ptr<TransmitPump> pump_;
    std::unique_ptr<OutputHoldNotice> holdNotice_;
    CallPanel* callPanel_ = nullptr;
    HereIsPanel* hereIs_ = nullptr;
    std::optional<OperationContext> context_;
    std::unique_ptr<ArqCalls> calls_;
    std::unique_ptr<TurnTaking> turns_;
    std::unique_ptr<LinkEnd> linkEnd_;
    std::unique_ptr<CqAndMessages> messages_;
};

} // namespace orvane
