#include "modes/SetupSteps.h"

#include "modes/CommonSetup.h"

#include "config/Settings.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeSurface.h"
#include "modes/TerminalModeState.h"
#include "modes/WordCompare.h"
#include "protocol/AudioLevel.h"
#include "protocol/CommandBuilders.h"
#include "protocol/FskEncodings.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/ModeControls.h"

#include <cstdint>
#include <string>

namespace orvane {
namespace {

constexpr int kTxDisabledImage = 5;
constexpr int kTxEnabledImage = 6;

} // namespace

void sendCommand(ModeContext& context, CommandCode code) {
    context.sink.send(command(code));
}

void sendCommand(ModeContext& context, CommandCode code, int value) {
    context.sink.send(command(code, {value}));
}

void sendOpening(ModeContext& context, Opening opening) {
    sendCommand(context, CommandCode::SW1_OFF);
    sendCommand(context, CommandCode::SW6_OFF);
    if (opening.switch13Off) sendCommand(context, CommandCode::SW13_OFF);
    if (opening.fskPrep) sendCommand(context, CommandCode::MODE_FSK_PREP);
}

void sendFskPolarity(ModeContext& context) {
    sendCommand(context, sameWordIgnoringCase(context.settings.FSKPol, "NORM")
                             ? CommandCode::FSK_POL_NORM
                             : CommandCode::FSK_POL_REV);
}

void sendAudioLevels(ModeContext& context) {
    // The settings hold the codes; the modem takes their low byte.
    context.sink.send(audioLevel(static_cast<std::uint8_t>(context.settings.RXGain)));
    if (auto level = transmitAudioLevel(context.hardwareVersion,
                                        static_cast<std::uint8_t>(context.settings.TXGain)))
        context.sink.send(*level);
}

void sendFskTonesAndLevels(ModeContext& context, int markHz, int spaceHz) {
    context.sink.send(fskTones(markHz, spaceHz));
    sendFskPolarity(context);
    sendAudioLevels(context);
}

void showTransmitEnable(ModeContext& context, Control button, bool enabled) {
    context.surface.setButtonImage(button, enabled ? kTxEnabledImage : kTxDisabledImage);
    context.surface.setCaption(button, enabled ? "TX EN " : "TX DIS");
    context.terminal.txEnabled = enabled;
}

void applyTransmitEnable(ModeContext& context, Control button) {
    const bool enabled = context.settings.TXEnable == "EN";
    showTransmitEnable(context, button, enabled);
    if (!enabled) context.settings.TXEnable = "OFF";
}

void hideOtherToolbars(ModeContext& context, OperatingMode own) {
    const OperatingMode base = baseMode(own);
    for (const ModeControls& controls : allModeControls())
        if (controls.mode != base) context.surface.setVisible(controls.toolbar, false);
}

void showModeToolbar(ModeContext& context, OperatingMode own) {
    context.surface.setVisible(controlsOf(own).toolbar, context.settings.ToolBar);
}

void showStatusBar(ModeContext& context) {
    context.surface.setVisible(Control::StatusBar, context.settings.StatusBar);
}

void checkModeItem(ModeContext& context, OperatingMode own) {
    context.surface.menus().checkMode(own);
}

void applyTextEntry(ModeContext& context, std::string_view word) {
    context.terminal.textEntryMode = textEntryModeFromWord(word);
}

void applyEndOfLine(ModeContext& context, std::string_view word, EndOfLineWords accepted) {
    applyEndOfLine(context.terminal, word, accepted);
}

void clearCallTyped(ModeContext& context) {
    context.terminal.callTyped = false;
}

void focusTransmitPaneIfShown(ModeContext& context) {
    if (context.surface.isMainWindowVisible()) context.surface.focusTransmitPane();
}

void sendOwnCallSign(ModeContext& context, OperatingMode buttonsOf) {
    const Settings& settings = context.settings;
    context.sink.send(textCommand(CommandCode::SET_MYCALL, settings.MYCALL));
    context.surface.showStationCall(settings.MYCALL);
    const ModeControls& controls = controlsOf(buttonsOf);
    if (!controls.deMyButton || !controls.hisDeMyButton) return;
    context.surface.setHint(*controls.deMyButton, "de " + settings.MYCALL);
    context.surface.setHint(*controls.hisDeMyButton, settings.HISCALL + " de " + settings.MYCALL);
}

void fillQuoralToneList(ModeContext& context) {
    context.surface.setToneBoxEntries({"Test OFF", "Single Tone Test", "Four Tone Test"});
}

void fillFskToneList(ModeContext& context) {
    context.surface.setToneBoxEntries(
        {"Test OFF", "MARK Tone Test", "SPACE Tone Test", "M/S Tone Test"});
}

void hidePrintSquelchMarkers(ModeContext& context) {
    context.surface.setPrintSquelchMarkersVisible(false);
}

void placePrintSquelchMarkers(ModeContext& context, int level) {
    if (auto x = printSquelchMarkerX(level))
        context.surface.movePrintSquelchMarkers(*x);
    else
        context.surface.setPrintSquelchMarkersVisible(false);
}

void showPrintSquelchMarkers(ModeContext& context, int level, bool on) {
    placePrintSquelchMarkers(context, level);
    if (printSquelchMarkerX(level)) context.surface.setPrintSquelchMarkersVisible(on);
}

void showPrintSquelchMarkersIfEnabled(ModeContext& context) {
    showPrintSquelchMarkers(context, context.settings.PrintSquelchSetting,
                            sameWordIgnoringCase(context.settings.PrintSquelchEnable, "ON"));
}

void emptyPanels(ModeContext& context, std::initializer_list<int> panels) {
    for (int index : panels)
        context.surface.setPanel(index, "");
}

void setOperatingMode(ModeContext& context, OperatingMode mode) {
    context.link.operatingMode = mode;
    context.settings.Code = operatingModeValue(mode);
}

} // namespace orvane
