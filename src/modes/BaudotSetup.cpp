#include "config/Settings.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"

#include <string>

namespace orvane {

// The steps Baudot shares with the other modes, and the mode command that
// closes its set-up; rate, code, sync idle and polarity are still to come.
void baudotSetup(ModeContext& context) {
    const Settings& settings = context.settings;
    ModeSurface& surface = context.surface;
    constexpr OperatingMode baudot = OperatingMode::Baudot;

    sendOpening(context, {.switch13Off = true, .fskPrep = true});
    sendFskTonesAndLevels(context, settings.BAUDOTMark, settings.BAUDOTSpace);

    surface.setPanel(panel::Mode, "Baudot");
    surface.setPanel(panel::Link, std::to_string(settings.B_Rate));
    sendOwnCallSign(context, baudot);
    applyTextEntry(context, settings.B_TextEntry);
    surface.setPanel(panel::Entry, settings.B_TextEntry);
    emptyPanels(context, {kSetupPanel});
    setOperatingMode(context, baudot);

    checkModeItem(context, baudot);
    surface.setEnabled("mnuFilesSendtextfile", true);
    surface.setEnabled("mnuFilesSendBinaryFile", false);

    focusTransmitPaneIfShown(context);
    applyEndOfLine(context, settings.B_EndOfLine, EndOfLineWords::All);
    clearCallTyped(context);
    enableTestTones(context, true);
    fillFskToneList(context);
    showPrintSquelchMarkersIfEnabled(context);

    hideOtherToolbars(context, baudot);
    applyTransmitEnable(context, "butBaudotTXEnable");
    showModeToolbar(context, baudot);
    showStatusBar(context);

    surface.clearTransmitPane();
    sendCommand(context, CommandCode::MODE_BAUDOT);
}

} // namespace orvane
