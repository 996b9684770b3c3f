#include "config/Settings.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "protocol/QuoralEncodings.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/LinkState.h"

namespace orvane {

void quoralSetup(ModeContext& context) {
    Settings& settings = context.settings;
    ModeSurface& surface = context.surface;
    constexpr OperatingMode quoral = OperatingMode::Quoral;

    sendOpening(context, {.switch13Off = true, .fskPrep = false});
    sendCommand(context, CommandCode::MODE_QUORAL);

    // Quoral has no listen option.
    context.link.listenMode = ListenMode::Standby;
    surface.setVisible(Control::QuoralMonitor, true);
    surface.setEnabled(Control::QuoralMonitor, true);

    // The modem knows channels 1 to 4 only; an out-of-range setting gets 4,
    // as the common set-up sent it a moment ago.
    context.sink.send(commonAfChannel(settings.AFChannel));
    sendFskPolarity(context);
    // An AutoBias word the modem does not know is not sent at all: the
    // command without its parameter would swallow the next command's code.
    if (auto autoBias = quoralAutoBias(settings.AutoBias)) context.sink.send(*autoBias);
    sendCommand(context, CommandCode::QUORAL_NORMAL_RETRY, settings.NormalRetry);
    sendCommand(context, CommandCode::QUORAL_ROBUST_RETRY, settings.RobustRetry);
    sendCommand(context, CommandCode::QUORAL_FAIL_RETRY, settings.FailRetry);
    sendCommand(context, CommandCode::QUORAL_CHAT_COUNT, settings.ChatCount);

    surface.setVisible(Control::StatusBar, false);
    surface.setPanel(panel::Mode, "QUORAL");
    emptyPanels(context, {panel::Event, panel::Station, panel::Rate, panel::Format});
    surface.setPanel(panel::Entry, settings.TextEntry);
    emptyPanels(context, {kSetupPanel});

    checkModeItem(context, quoral);
    surface.menus().note(MenuEvent::QuoralSetUp);

    applyTextEntry(context, settings.TextEntry);
    focusTransmitPaneIfShown(context);
    applyEndOfLine(context, settings.EndOfLine, EndOfLineWords::CrAndCrLfOnly);

    clearCallTyped(context);
    fillQuoralToneList(context);

    hidePrintSquelchMarkers(context);
    hideOtherToolbars(context, quoral);

    surface.setCaption(Control::QuoralFec, "BDCST");
    applyTransmitEnable(context, Control::QuoralTxEnable);
    showModeToolbar(context, quoral);
    showStatusBar(context);

    // The hints go to the Quoral buttons whatever mode the console comes from.
    sendOwnCallSign(context, quoral);

    sendCommand(context, CommandCode::SW1_ON);
    sendCommand(context, CommandCode::ADAPTIVE_ON);
    sendCommand(context, CommandCode::SW6_ON);
    sendCommand(context, CommandCode::SW10_ON);

    surface.setPanel(panel::Link, "STBY");
    sendCommand(context, CommandCode::SW9_ON);

    setOperatingMode(context, quoral);
    surface.repaintReceivePane();
}

} // namespace orvane
