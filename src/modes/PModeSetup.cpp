#include "config/Settings.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "protocol/link/LinkState.h"

namespace orvane {

// The steps P-Mode shares with the other modes; its link parameters and
// listen option are still to come.
void pModeSetup(ModeContext& context) {
    const Settings& settings = context.settings;
    constexpr OperatingMode pMode = OperatingMode::PMode;

    sendOpening(context, {.switch13Off = false, .fskPrep = true});
    sendCommand(context, CommandCode::MODE_PMODE);
    sendFskTonesAndLevels(context, settings.PMODEFREQ1, settings.PMODEFREQ2);
    context.surface.setPanel(panel::Link, context.link.standbyText());

    emptyPanels(context, {panel::Event, panel::Station, panel::Rate, panel::Format, panel::Entry});
    setOperatingMode(context, pMode);
    sendOwnCallSign(context, pMode);
    context.surface.setPanel(panel::Mode, "P-Mode");

    checkModeItem(context, pMode);
    enableTestTones(context, true);
    context.surface.setEnabled("mnuFilesSendtextfile", false);

    focusTransmitPaneIfShown(context);
    applyTextEntry(context, settings.P_TextEntry);
    applyEndOfLine(context, settings.P_EndOfLine, EndOfLineWords::CrAndCrLfOnly);
    clearCallTyped(context);

    hideOtherToolbars(context, pMode);
    applyTransmitEnable(context, "butPModeTXEnable");
    showModeToolbar(context, pMode);
    showStatusBar(context);
}

} // namespace orvane
