#include "config/Settings.h"
#include "modes/FskSteps.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "modes/WordCompare.h"
#include "protocol/FskEncodings.h"
#include "protocol/link/ConsoleMenus.h"

namespace orvane {

void baudotSetup(ModeContext& context) {
    const Settings& settings = context.settings;
    ModeSurface& surface = context.surface;
    constexpr OperatingMode baudot = OperatingMode::Baudot;
    constexpr Control rateButton = Control::BaudotRttyRate;

    sendOpening(context, {.switch13Off = true, .fskPrep = true});
    sendFskTonesAndLevels(context, settings.BAUDOTMark, settings.BAUDOTSpace);
    // An unknown rate goes out as 45 baud but stays in the setting as it is.
    context.sink.send(baudotRate(settings.B_Rate));
    showRate(context, settings.B_Rate, rateButton);
    context.sink.send(fskFamily(FskFamily::BaudotAscii));
    sendCommand(context, sameWordIgnoringCase(settings.B_CodeType, "US")
                             ? CommandCode::BAUDOT_CODE_US
                             : CommandCode::BAUDOT_CODE_OTHER);
    sendCommand(context, CommandCode::PTT_ON_DELAY, settings.B_PTTON);
    sendCommand(context, CommandCode::PTT_OFF_DELAY, settings.B_PTTOFF);
    for (CommandCode code : {CommandCode::SW13_ON, CommandCode::SW10_ON, CommandCode::SW1_ON,
                             CommandCode::SW6_ON, CommandCode::SW9_ON})
        sendCommand(context, code);

    surface.setPanel(panel::Mode, "Baudot");
    showRate(context, settings.B_Rate, rateButton);
    surface.setVisible(rateButton, true);
    surface.setPanel(panel::Event, "RX");
    const bool unshiftOnSpace = sameWordIgnoringCase(settings.B_USOS, "ON");
    surface.setPanel(panel::Station, unshiftOnSpace ? "USOS" : "");
    sendCommand(context,
                unshiftOnSpace ? CommandCode::BAUDOT_USOS_ON : CommandCode::BAUDOT_USOS_OFF);
    applySyncIdle(context, settings.B_SyncIdle, Control::BaudotMonitor);
    surface.setHint(Control::BaudotMonitor, "Toggle SYNC IDLE ON/OFF.");
    applyModePolarity(context, settings.B_Polarity, {Control::BaudotNormRev, true});

    sendOwnCallSign(context, baudot);
    applyTextEntry(context, settings.B_TextEntry);
    surface.setPanel(panel::Entry, settings.B_TextEntry);
    emptyPanels(context, {kSetupPanel});
    setOperatingMode(context, baudot);

    checkModeItem(context, baudot);
    surface.menus().note(MenuEvent::BaudotSetUp);

    focusTransmitPaneIfShown(context);
    applyEndOfLine(context, settings.B_EndOfLine, EndOfLineWords::All);
    clearCallTyped(context);
    fillFskToneList(context);
    showPrintSquelchMarkersIfEnabled(context);

    hideOtherToolbars(context, baudot);
    applyTransmitEnable(context, Control::BaudotTxEnable);
    showModeToolbar(context, baudot);
    showStatusBar(context);

    // Baudot receives with the transmit polarity whatever the setting says.
    sendCommand(context, CommandCode::RXPOL_SAME_ON);
    surface.clearTransmitPane();
    sendCommand(context, CommandCode::MODE_BAUDOT);
}

} // namespace orvane
