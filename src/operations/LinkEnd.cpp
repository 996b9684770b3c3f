#include "operations/LinkEnd.h"

#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "operations/FaxAbortMark.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "operations/broadcast/Broadcasts.h"
#include "platform/FileActivity.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/ConsoleActivities.h"
#include "serial/EchoCounter.h"
#include "terminal/TransmitSendState.h"

namespace orvane {
namespace {

constexpr int kBoxMs = 1000;
constexpr int kBroadcastDisconnectMs = 3500;

bool isArq(OperatingMode m) {
    return m == OperatingMode::Quoral || m == OperatingMode::Amtor || m == OperatingMode::PMode;
}

} // namespace

// The pump sends DISCONNECT once the three Z have gone after the text typed.
void LinkEnd::insertDisconnectText() {
    ctx_.txPane.insertAtCaret(ctx_.txPane.caretAtLineStart() ? QStringLiteral("ZZZZ\n\n")
                                                             : QStringLiteral("\nZZZZ\n\n"));
}

void LinkEnd::butDisconnectClick() {
    const OperatingMode mode = ctx_.link.operatingMode;
    if (ctx_.link.linkUp || broadcasts_.isBroadcasting()) {
        if (ctx_.txPane.isEmpty()) {
            ctx_.line.sendCommand(command(CommandCode::DISCONNECT));
            timers_.startTransientPanel(Control::DisconnectPanel, broadcasts_.disconnectNoticeMs());
        } else {
            insertDisconnectText();
        }
    } else if (isFsk(mode) && !ctx_.txPane.isEmpty()) {
        insertDisconnectText();
    }
    ctx_.txPane.restoreTypingColour();
}

void LinkEnd::panicReset() {
    activities_.stopTextFileSend();
    activities_.closeFileActivities();
    statistics_.stopFileActivity();
    ctx_.surface.setTxPaneEditable(true);
    echoes_.reset();
    {
        TransmitSendState& sent = ctx_.txPane.sendState();
        const auto held = sent.lockPane();
        sent.reset();
        ctx_.txPane.restoreTypingColour();
        ctx_.txPane.setText(QString());
    }
    ctx_.line.clearQueue();
    ctx_.line.appendRaw("\x81\x06");
    broadcasts_.panicEndsAmtorBroadcast();
    ctx_.surface.setPanel(panel::Format, "");
    ctx_.surface.menus().note(filesStopped(ctx_.link.operatingMode));
    timers_.startTransientPanel(Control::PanicPanel, 1300);
}

void LinkEnd::endTransmission() {
    const OperatingMode mode = ctx_.link.operatingMode;
    TransmitPaneText& pane = ctx_.txPane;
    const bool atLineStart = pane.caretAtLineStart();
    if (ctx_.link.linkUp && isArq(mode)) {
        if (pane.isEmpty()) {
            ctx_.line.sendCommand(command(CommandCode::DISCONNECT));
            timers_.startTransientPanel(Control::DisconnectPanel, kBoxMs);
        } else if (atLineStart || mode == OperatingMode::Amtor) {
            insertDisconnectText();
        }
    } else if (isBroadcast(mode)) {
        if (pane.isEmpty()) {
            ctx_.line.sendCommand(command(CommandCode::DISCONNECT));
            timers_.startTransientPanel(Control::DisconnectPanel, kBroadcastDisconnectMs);
        } else {
            insertDisconnectText();
            ctx_.line.sendCommand(command(CommandCode::DISCONNECT));
        }
    } else if (isFsk(mode) && !pane.isEmpty()) {
        insertDisconnectText();
    }
}

void LinkEnd::butPanicClick() {
    panicReset();
    fax_.panicPressed();
}

} // namespace orvane
