#include "config/Settings.h"
#include "modes/FskSteps.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "modes/WordCompare.h"
#include "protocol/CommandBuilders.h"
#include "protocol/FskEncodings.h"
#include "protocol/TextCommands.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/LinkState.h"

namespace orvane {
namespace {

// The modem needs this long to take a new carrier-detect time before it
// reports anything again; received items wait in the queue meanwhile.
constexpr int kCarrierDetectSettleMs = 100;

void sendIdentities(ModeContext& context) {
    const Settings& settings = context.settings;
    context.sink.send(textCommand(CommandCode::SET_MYCALL476, settings.MYCALL476));
    context.sink.send(textCommand(CommandCode::SET_MYCALL625, settings.MYCALL625));
    context.sink.send(textCommand(CommandCode::SET_GROUPCALL, settings.GROUPCALL));
}

void sendTiming(ModeContext& context) {
    const Settings& settings = context.settings;
    sendCommand(context, CommandCode::AMTOR_CD, settings.A_CD);
    context.sink.pauseRoutingFor(kCarrierDetectSettleMs);
    sendCommand(context, CommandCode::AMTOR_TD, settings.A_TD);
    sendCommand(context, CommandCode::AMTOR_TIMEOUT, settings.A_TimeOut);
    context.sink.send(fskFamily(FskFamily::Amtor));
}

} // namespace

void sendAnswerBackChoice(ModeContext& context) {
    if (!sameWordIgnoringCase(context.settings.A_WRU, "ON")) {
        sendCommand(context, CommandCode::AMTOR_WRU_OFF);
        return;
    }
    sendCommand(context, CommandCode::AMTOR_WRU_ON);
    if (auto answerBack = answerBackFromFile(context.messageDirectory / "wru.txt"))
        context.sink.send(*answerBack);
}

void amtorSetup(ModeContext& context) {
    const Settings& settings = context.settings;
    ModeSurface& surface = context.surface;
    constexpr OperatingMode amtor = OperatingMode::Amtor;

    sendOpening(context, {.switch13Off = false, .fskPrep = true});
    sendCommand(context, CommandCode::MODE_AMTOR);
    sendFskTonesAndLevels(context, settings.AMTORMark, settings.AMTORSpace);
    sendListenChoice(context);
    for (CommandCode code : {CommandCode::SW9_ON, CommandCode::SW10_ON, CommandCode::SW1_ON,
                             CommandCode::SW6_ON, CommandCode::SW13_ON})
        sendCommand(context, code);
    sendCommand(context, CommandCode::PARAM_EE, 7);

    surface.setPanel(panel::Mode, "TOR");
    emptyPanels(context, {panel::Event, panel::Station, panel::Rate, panel::Format, panel::Entry});
    setOperatingMode(context, amtor);
    sendIdentities(context);

    checkModeItem(context, amtor);
    surface.menus().note(MenuEvent::AmtorSetUp);

    applyModePolarity(context, settings.A_Polarity, {Control::AmtorNormRev, false});
    sendTiming(context);
    sendAnswerBackChoice(context);
    // Only the capital U: a lower-case u in the file means lower case.
    sendCommand(context, settings.A_LetterCase == 'U' ? CommandCode::AMTOR_CASE_UPPER
                                                      : CommandCode::AMTOR_CASE_LOWER);

    focusTransmitPaneIfShown(context);
    applyTextEntry(context, settings.A_TextEntry);
    applyEndOfLine(context, settings.A_EndOfLine, EndOfLineWords::All);
    clearCallTyped(context);
    fillFskToneList(context);

    hidePrintSquelchMarkers(context);
    hideOtherToolbars(context, amtor);
    applyTransmitEnable(context, Control::AmtorTxEnable);
    showModeToolbar(context, amtor);
    showStatusBar(context);
}

} // namespace orvane
