#pragma once

#include "protocol/status/ConsoleActivities.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// How much of the transmit pane is ready to go: every character, each word
// once the next one is begun, or whole lines.
enum class TextEntryMode : int { Char = 1, Word = 2, Line = 3 };

// The terminal's state that the mode set-ups write and the transmit pump,
// the calls and the turn-taking read.
struct TerminalModeState {
    TextEntryMode textEntryMode = TextEntryMode::Word;
    // The bytes sent at the end of each typed line (at most three).
    std::string endOfLineSequence = "\r\n";
    // The TX EN state of the mode's transmit-enable button.
    bool txEnabled = false;
    // The FSK polarity last chosen is normal (NORM/REV, keys, configuration).
    bool polarityNormal = true;
    // The operator has typed a call sign into a call dialog.
    bool callTyped = false;
};

// "WORD" is word entry, "CHAR" character entry, anything else (an empty word
// too) line entry; letter case is ignored.
TextEntryMode textEntryModeFromWord(std::string_view word);

// The bytes of an end-of-line word ("CR", "CR LF", "CR LF LTRS", "CR CR LF",
// any letter case), or nothing for a word the mode does not accept.
std::optional<std::string> endOfLineBytes(std::string_view word, EndOfLineWords accepted);

// Takes the word's bytes as the end-of-line sequence; a word the mode does
// not accept leaves the sequence in force.
void applyEndOfLine(TerminalModeState& state, std::string_view word, EndOfLineWords accepted);

} // namespace orvane
