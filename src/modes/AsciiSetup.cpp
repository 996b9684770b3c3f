#include "config/Settings.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"

#include <string>

namespace orvane {

// The steps ASCII shares with the other modes, and the mode command that
// closes its set-up; rate, sync idle and polarity are still to come.
void asciiSetup(ModeContext& context) {
    const Settings& settings = context.settings;
    ModeSurface& surface = context.surface;
    constexpr OperatingMode ascii = OperatingMode::Ascii;

    sendOpening(context, {.switch13Off = true, .fskPrep = true});
    sendFskTonesAndLevels(context, settings.ASCIIMark, settings.ASCIISpace);

    surface.setPanel(panel::Mode, "Ascii");
    surface.setPanel(panel::Link, std::to_string(settings.S_Rate));
    applyTextEntry(context, settings.S_TextEntry);
    surface.setPanel(panel::Entry, settings.S_TextEntry);
    sendOwnCallSign(context, ascii);
    setOperatingMode(context, ascii);

    checkModeItem(context, ascii);
    surface.setEnabled("mnuFilesSendtextfile", true);
    surface.setEnabled("mnuFilesSendBinaryFile", false);

    focusTransmitPaneIfShown(context);
    applyEndOfLine(context, settings.S_EndOfLine, EndOfLineWords::CrAndCrLfOnly);
    clearCallTyped(context);
    enableTestTones(context, true);
    fillFskToneList(context);
    showPrintSquelchMarkersIfEnabled(context);

    hideOtherToolbars(context, ascii);
    applyTransmitEnable(context, "butAsciiTXEnable");
    showModeToolbar(context, ascii);
    showStatusBar(context);

    surface.clearTransmitPane();
    sendCommand(context, CommandCode::MODE_ASCII);
}

} // namespace orvane
