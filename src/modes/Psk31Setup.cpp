#include "config/Settings.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "modes/TerminalModeState.h"
#include "modes/WordCompare.h"
#include "protocol/link/ConsoleMenus.h"

namespace orvane {
namespace {

constexpr Control kButton = Control::Psk31TxEnable;

// PSK31 keeps its own transmit-enable word from the configuration dialog.
void applyPsk31TransmitEnable(ModeContext& context) {
    showTransmitEnable(context, kButton, !sameWordIgnoringCase(context.psk31.txEnable, "OFF"));
}

} // namespace

// A sound-card mode: the modem is only told to leave its own modes, and the
// mode's text is never sent.
void psk31Setup(ModeContext& context) {
    ModeSurface& surface = context.surface;
    constexpr OperatingMode psk31 = OperatingMode::Psk31;

    setOperatingMode(context, psk31);
    emptyPanels(context, {panel::Station, panel::Rate, panel::Format});
    checkModeItem(context, psk31);
    surface.setPanel(panel::Mode, "PSK31");
    surface.setPanel(panel::Link, "(Sound Card)");

    sendOpening(context, {.switch13Off = true, .fskPrep = true});

    applyPsk31TransmitEnable(context);
    surface.setPanel(panel::Event, "RX");
    surface.setHint(Control::BaudotMonitor, "Toggle SYNC IDLE ON/OFF.");

    applyTextEntry(context, context.psk31.textEntry);
    surface.setPanel(panel::Entry, context.psk31.textEntry);
    emptyPanels(context, {kSetupPanel});

    surface.menus().note(MenuEvent::Psk31SetUp);
    focusTransmitPaneIfShown(context);

    context.terminal.endOfLineSequence.assign(1, '\n'); // LF alone
    clearCallTyped(context);

    hideOtherToolbars(context, psk31);
    if (context.settings.ToolBar) {
        showModeToolbar(context, psk31);
    } else {
        applyTransmitEnable(context, kButton);
        surface.setVisible(Control::Psk31Toolbar, false);
    }
    showStatusBar(context);
}

} // namespace orvane
