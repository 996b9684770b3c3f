#include "modes/TerminalModeState.h"

#include "modes/WordCompare.h"

#include <array>

namespace orvane {
namespace {

struct EndOfLineRow {
    std::string_view word;
    std::string_view bytes;
    bool crAndCrLf; // also accepted where only "CR" and "CR LF" are
};

// The letters shift goes to the modem as '<'.
constexpr std::array<EndOfLineRow, 4> kEndOfLines{{
    {"CR", "\r", true},
    {"CR LF", "\r\n", true},
    {"CR LF LTRS", "\r\n<", false},
    {"CR CR LF", "\r\r\n", false},
}};

} // namespace

TextEntryMode textEntryModeFromWord(std::string_view word) {
    if (sameWordIgnoringCase(word, "WORD")) return TextEntryMode::Word;
    if (sameWordIgnoringCase(word, "CHAR")) return TextEntryMode::Char;
    return TextEntryMode::Line;
}

std::optional<std::string> endOfLineBytes(std::string_view word, EndOfLineWords accepted) {
    for (const EndOfLineRow& row : kEndOfLines) {
        if (!sameWordIgnoringCase(word, row.word)) continue;
        if (accepted == EndOfLineWords::CrAndCrLfOnly && !row.crAndCrLf) return std::nullopt;
        return std::string(row.bytes);
    }
    return std::nullopt;
}

void applyEndOfLine(TerminalModeState& state, std::string_view word, EndOfLineWords accepted) {
    if (auto bytes = endOfLineBytes(word, accepted)) state.endOfLineSequence = std::move(*bytes);
}

} // namespace orvane
