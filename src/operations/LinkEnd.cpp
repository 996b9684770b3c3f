#include "operations/LinkEnd.h"

#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "operations/FaxAbortMark.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "operations/TransmitPump.h"
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
            ctx_.timers.startTransientPanel(Control::DisconnectPanel,
                                            broadcasts_.disconnectNoticeMs());
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
        const auto held = pump_.sendState().lockPane();
        pump_.resetSendState();
        ctx_.txPane.restoreTypingColour();
        ctx_.txPane.setText(QString());
    }
    ctx_.line.clearQueue();
    ctx_.line.appendRaw("\x81\x06");
    broadcasts_.panicEndsAmtorBroadcast();
    ctx_.surface.setPanel(panel::Format, "");
    ctx_.surface.menus().note(filesStopped(ctx_.link.operatingMode));
    ctx_.timers.startTransientPanel(Control::PanicPanel, 1300);
}

void LinkEnd::butPanicClick() {
    panicReset();
    fax_.panicPressed();
}

} // namespace orvane
