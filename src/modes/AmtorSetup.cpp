#include "config/Settings.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "protocol/link/LinkState.h"

namespace orvane {

// The steps AMTOR shares with the other modes; its timing, identities,
// listen option and answer-back are still to come.
void amtorSetup(ModeContext& context) {
    const Settings& settings = context.settings;
    constexpr OperatingMode amtor = OperatingMode::Amtor;

    sendOpening(context, {.switch13Off = false, .fskPrep = true});
    sendCommand(context, CommandCode::MODE_AMTOR);
    sendFskTonesAndLevels(context, settings.AMTORMark, settings.AMTORSpace);
    context.surface.setPanel(panel::Link, context.link.standbyText());
    context.surface.setPanel(panel::Mode, "TOR");
    emptyPanels(context, {panel::Event, panel::Station, panel::Rate, panel::Format, panel::Entry});
    setOperatingMode(context, amtor);

    checkModeItem(context, amtor);
    enableTestTones(context, true);
    context.surface.setEnabled("mnuFilesSendtextfile", false);

    focusTransmitPaneIfShown(context);
    applyTextEntry(context, settings.A_TextEntry);
    applyEndOfLine(context, settings.A_EndOfLine, EndOfLineWords::All);
    clearCallTyped(context);
    fillFskToneList(context);

    hidePrintSquelchMarkers(context);
    hideOtherToolbars(context, amtor);
    applyTransmitEnable(context, "butAmtorTXEnable");
    showModeToolbar(context, amtor);
    showStatusBar(context);
}

} // namespace orvane
