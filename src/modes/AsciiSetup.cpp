#include "config/Settings.h"
#include "modes/FskSteps.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "protocol/FskEncodings.h"
#include "protocol/link/ConsoleMenus.h"

#include <string>

namespace orvane {
namespace {

constexpr int kLowestRate = 45;

} // namespace

void asciiSetup(ModeContext& context) {
    Settings& settings = context.settings;
    ModeSurface& surface = context.surface;
    constexpr OperatingMode ascii = OperatingMode::Ascii;
    constexpr Control rateButton = Control::AsciiRttyRate;

    sendOpening(context, {.switch13Off = true, .fskPrep = true});
    sendFskTonesAndLevels(context, settings.ASCIIMark, settings.ASCIISpace);
    context.sink.send(fskFamily(FskFamily::BaudotAscii));
    sendCommand(context, CommandCode::PTT_ON_DELAY, settings.S_PTTON);
    sendCommand(context, CommandCode::PTT_OFF_DELAY, settings.S_PTTOFF);
    // A rate the modem does not know becomes the lowest one.
    if (!rateIndex(settings.S_Rate)) settings.S_Rate = kLowestRate;
    context.sink.send(asciiRate(settings.S_Rate));
    showRate(context, settings.S_Rate, rateButton);

    surface.setPanel(panel::Mode, "Ascii");
    surface.setPanel(panel::Link, std::to_string(settings.S_Rate));
    surface.setPanel(panel::Event, "RX");
    applySyncIdle(context, settings.S_SyncIdle, Control::AsciiMonitor);
    applyModePolarity(context, settings.S_Polarity, {Control::AsciiNormRev, true});
    applyTextEntry(context, settings.S_TextEntry);
    surface.setPanel(panel::Entry, settings.S_TextEntry);

    for (CommandCode code : {CommandCode::SW9_ON, CommandCode::SW10_ON, CommandCode::SW1_ON,
                             CommandCode::SW6_ON, CommandCode::SW13_ON})
        sendCommand(context, code);
    surface.setPanel(panel::Event, "RX");
    emptyPanels(context, {panel::Station});

    sendOwnCallSign(context, ascii);
    setOperatingMode(context, ascii);

    checkModeItem(context, ascii);
    surface.menus().note(MenuEvent::AsciiSetUp);

    focusTransmitPaneIfShown(context);
    applyEndOfLine(context, settings.S_EndOfLine, EndOfLineWords::CrAndCrLfOnly);
    clearCallTyped(context);
    fillFskToneList(context);
    showPrintSquelchMarkersIfEnabled(context);

    hideOtherToolbars(context, ascii);
    applyTransmitEnable(context, Control::AsciiTxEnable);
    showModeToolbar(context, ascii);
    showStatusBar(context);

    surface.clearTransmitPane();
    sendCommand(context, CommandCode::MODE_ASCII);
}

} // namespace orvane
