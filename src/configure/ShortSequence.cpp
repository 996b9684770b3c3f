#include "configure/ShortSequence.h"

#include "config/Settings.h"
#include "modes/FskSteps.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "modes/TerminalModeState.h"
#include "modes/WordCompare.h"
#include "protocol/AudioLevel.h"
#include "protocol/link/LinkState.h"

#include <cstdint>

namespace orvane {
namespace {

constexpr int kNormalImage = 7;

bool is(std::string_view word, std::string_view expected) {
    return sameWordIgnoringCase(word, expected);
}

// Transmit enable for the FSK and ARQ modes: enabled unless the word is "OFF".
void showModeTransmitEnable(ModeContext& context, Control button, std::string_view word) {
    showTransmitEnable(context, button, !is(word, "OFF"));
}

void quoral(ModeContext& context) {
    const Settings& s = context.settings;
    applyTransmitEnable(context, Control::QuoralTxEnable);
    applyTextEntry(context, s.TextEntry);
    applyEndOfLine(context, s.EndOfLine, EndOfLineWords::CrAndCrLfOnly);
}

void amtor(ModeContext& context) {
    const Settings& s = context.settings;
    sendAnswerBackChoice(context);
    sendCommand(context, s.A_LetterCase == 'U' ? CommandCode::AMTOR_CASE_UPPER
                                               : CommandCode::AMTOR_CASE_LOWER);
    applyTextEntry(context, s.A_TextEntry);
    applyEndOfLine(context, s.A_EndOfLine, EndOfLineWords::All);
    showModeTransmitEnable(context, Control::AmtorTxEnable, s.A_TXEnable);
    applyModePolarity(context, s.A_Polarity, {Control::AmtorNormRev, false});
}

void pMode(ModeContext& context) {
    const Settings& s = context.settings;
    showModeTransmitEnable(context, Control::PModeTxEnable, s.P_TXEnable);
    applyTextEntry(context, s.P_TextEntry);
    applyEndOfLine(context, s.P_EndOfLine, EndOfLineWords::CrAndCrLfOnly);
    sendCommand(context, s.P_Huffman == "ON" ? CommandCode::PMODE_HUFFMAN_ON
                                             : CommandCode::PMODE_HUFFMAN_OFF);
}

void baudot(ModeContext& context) {
    const Settings& s = context.settings;
    sendCommand(context, is(s.B_CodeType, "US") ? CommandCode::BAUDOT_CODE_US
                                                : CommandCode::BAUDOT_CODE_OTHER);
    sendCommand(context, CommandCode::PTT_ON_DELAY, s.B_PTTON);
    sendCommand(context, CommandCode::PTT_OFF_DELAY, s.B_PTTOFF);
    showModeTransmitEnable(context, Control::BaudotTxEnable, s.B_TXEnable);
    const bool usos = is(s.B_USOS, "ON");
    context.surface.setPanel(panel::Station, usos ? "USOS" : "");
    sendCommand(context, usos ? CommandCode::BAUDOT_USOS_ON : CommandCode::BAUDOT_USOS_OFF);
    applyModePolarity(context, s.B_Polarity, {Control::BaudotNormRev, false});
    applyTextEntry(context, s.B_TextEntry);
    applyEndOfLine(context, s.B_EndOfLine, EndOfLineWords::All);
}

void ascii(ModeContext& context) {
    const Settings& s = context.settings;
    sendCommand(context, CommandCode::PTT_ON_DELAY, s.S_PTTON);
    sendCommand(context, CommandCode::PTT_OFF_DELAY, s.S_PTTOFF);
    showModeTransmitEnable(context, Control::AsciiTxEnable, s.S_TXEnable);
    applyModePolarity(context, s.S_Polarity, {Control::AsciiNormRev, false});
    // The NORM/REV toggle starts again from the polarity just set, so its
    // next press goes the other way.
    context.terminal.polarityNormal = is(s.S_Polarity, "NORM");
    // The ASCII button keeps the normal image whichever polarity is set.
    context.surface.setButtonImage(Control::AsciiNormRev, kNormalImage);
    applyTextEntry(context, s.S_TextEntry);
    context.surface.setPanel(panel::Entry, s.S_TextEntry);
    applyEndOfLine(context, s.S_EndOfLine, EndOfLineWords::CrAndCrLfOnly);
}

} // namespace

void sendShortSequence(ModeContext& context) {
    const Settings& s = context.settings;
    sendCommand(context,
                is(s.FSKPol, "NORM") ? CommandCode::FSK_POL_NORM : CommandCode::FSK_POL_REV);
    context.sink.send(audioLevel(static_cast<std::uint8_t>(s.RXGain)));
    switch (context.link.operatingMode) {
    case OperatingMode::Quoral: return quoral(context);
    case OperatingMode::Amtor: return amtor(context);
    case OperatingMode::PMode: return pMode(context);
    case OperatingMode::Baudot: return baudot(context);
    case OperatingMode::Ascii: return ascii(context);
    default: return;
    }
}

} // namespace orvane
