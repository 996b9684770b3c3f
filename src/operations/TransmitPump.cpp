#include "operations/TransmitPump.h"

#include "operations/EchoCountable.h"
#include "operations/FileSenders.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/LinkState.h"
#include "serial/EchoCounter.h"

namespace orvane {

PumpView TransmitPump::view() {
    PumpView v;
    v.mode = p_.link.operatingMode;
    v.entry = p_.terminal.textEntryMode;
    v.linkUp = p_.link.linkUp;
    v.txActive = p_.link.txActive;
    v.txEnabled = p_.terminal.txEnabled;
    v.echoPending = p_.echoes.EchoPending();
    v.binaryHold = p_.files.binaryHoldsPump();
    v.draining = draining_;
    v.binaryDataPhase = p_.files.binaryDataPhase();
    v.textFileActive = p_.files.textFileSendActive();
    v.sentCount = p_.pane.sendState().sentCount();
    hold_ = p_.line.outputHold();
    v.flowHeld = hold_ != OutputHold::None;
    v.queued = p_.line.pending();
    // Only the first line is read: a pass costs the same on a full pane.
    firstLine_ = p_.pane.firstLine().toLatin1();
    v.firstLine =
        std::string_view(firstLine_.constData(), static_cast<std::size_t>(firstLine_.size()));
    v.completedLine = p_.pane.firstLineComplete();
    return v;
}

void TransmitPump::TransmitPumpPass() {
    const PumpView v = view();
    const PumpAction action = decidePumpPass(v, p_.terminal.endOfLineSequence);
    using Step = PumpAction::Step;
    const bool textWaits = !v.firstLine.empty() || v.completedLine;
    heldBy_ = action.step == Step::FlowHeld && textWaits ? hold_ : OutputHold::None;
    switch (action.step) {
    case Step::Drain: draining_ = p_.line.pending() > 0; return;
    case Step::Throttled:
    case Step::FlowHeld: return;
    case Step::BinaryPass: p_.files.binaryPass(); return;
    case Step::TextFilePass: p_.files.textFilePass(); return;
    case Step::QueueBusy:
    case Step::Typed: break;
    }
    if (action.writeLimit != writeLimit_) {
        writeLimit_ = action.writeLimit;
        p_.line.setWriteLimit(writeLimit_);
    }
    if (action.step == Step::QueueBusy) return;
    apply(action);
}

void TransmitPump::apply(const PumpAction& action) {
    TransmitSendState& sent = p_.pane.sendState();
    const int startedAt = sent.sentCount();
    sent.setSentCount(action.sentCount);
    if (action.fskIdle) {
        p_.link.txActive = true;
        p_.line.sendCommand(command(CommandCode::FSK_IDLE));
    }
    if (!action.text.empty()) {
        p_.line.sendText(action.text);
        p_.echoes.add(echoCountable(p_.link.operatingMode, action.text));
    }
    if (action.finishLine) p_.pane.dropSentLine();
    if (sent.zRun().feed(action.text)) p_.line.sendCommand(command(CommandCode::DISCONNECT));
    if (!action.finishLine && startedAt != 0 && action.sentCount != startedAt) highlight(startedAt);
}

void TransmitPump::highlight(int from) {
    // The line's first character leaves in a pass of its own and is greyed
    // together with the second.
    p_.pane.greySent(from == 1 ? 0 : from, p_.pane.sendState().sentCount());
}

} // namespace orvane
