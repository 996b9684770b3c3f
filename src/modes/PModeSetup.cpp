#include "config/Settings.h"
#include "modes/FskSteps.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "protocol/FskEncodings.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/LinkState.h"

namespace orvane {
namespace {

void sendLinkParameters(ModeContext& context) {
    const Settings& settings = context.settings;
    sendCommand(context, CommandCode::PMODE_F0, 2);
    sendCommand(context, CommandCode::PMODE_CS_DELAY, settings.P_CSDelay);
    sendCommand(context, CommandCode::PMODE_MAX_UP, settings.P_MaxUp);
    sendCommand(context, CommandCode::PMODE_MAX_TRY, settings.P_MaxTry);
    sendCommand(context, CommandCode::PMODE_MAX_DOWN, settings.P_MaxDown);
    sendCommand(context, CommandCode::PMODE_MAX_ERROR, settings.P_MaxError);
    sendCommand(context, CommandCode::PMODE_FEC_REPEATS, settings.P_FECRepeats);
    sendCommand(context, CommandCode::PMODE_MAX_ARQ_SUM, settings.P_MaxARQSum);
    // Exactly "ON": the word is compared with its letter case.
    sendCommand(context, settings.P_Huffman == "ON" ? CommandCode::PMODE_HUFFMAN_ON
                                                    : CommandCode::PMODE_HUFFMAN_OFF);
    context.sink.send(fskFamily(FskFamily::PMode));
}

} // namespace

void pModeSetup(ModeContext& context) {
    const Settings& settings = context.settings;
    ModeSurface& surface = context.surface;
    constexpr OperatingMode pMode = OperatingMode::PMode;

    sendOpening(context, {.switch13Off = false, .fskPrep = true});
    sendCommand(context, CommandCode::MODE_PMODE);
    sendFskTonesAndLevels(context, settings.PMODEFREQ1, settings.PMODEFREQ2);
    sendLinkParameters(context);
    // The switch-on block turns listening on; the listen choice that follows
    // decides where it ends.
    for (CommandCode code : {CommandCode::SW9_ON, CommandCode::LISTEN_ON, CommandCode::SW13_ON,
                             CommandCode::SW10_ON, CommandCode::SW1_ON, CommandCode::SW6_ON})
        sendCommand(context, code);
    sendCommand(context, CommandCode::PARAM_EE, 7);
    sendListenChoice(context);

    emptyPanels(context, {panel::Event, panel::Station, panel::Rate, panel::Format, panel::Entry});
    setOperatingMode(context, pMode);
    sendOwnCallSign(context, pMode);
    surface.setPanel(panel::Mode, "P-Mode");

    checkModeItem(context, pMode);
    surface.menus().note(MenuEvent::PModeSetUp);

    focusTransmitPaneIfShown(context);
    applyTextEntry(context, settings.P_TextEntry);
    applyEndOfLine(context, settings.P_EndOfLine, EndOfLineWords::CrAndCrLfOnly);
    clearCallTyped(context);

    hidePrintSquelchMarkers(context);
    hideOtherToolbars(context, pMode);
    applyTransmitEnable(context, Control::PModeTxEnable);
    showModeToolbar(context, pMode);
    showStatusBar(context);
}

} // namespace orvane
