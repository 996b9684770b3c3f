#include "modes/TerminalModeState.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(TextEntryWords, WordAndCharInAnyCaseEverythingElseIsLineEntry) {
    EXPECT_EQ(textEntryModeFromWord("WORD"), TextEntryMode::Word);
    EXPECT_EQ(textEntryModeFromWord("word"), TextEntryMode::Word);
    EXPECT_EQ(textEntryModeFromWord("Char"), TextEntryMode::Char);
    for (const char* word : {"LINE", "", "WORDS", "CHA"})
        EXPECT_EQ(textEntryModeFromWord(word), TextEntryMode::Line) << word;
}

TEST(EndOfLineWords, BytesOfEachWordWhereTheModeAcceptsIt) {
    struct Row {
        const char* word;
        std::optional<std::string> all;
        std::optional<std::string> crAndCrLf;
    };
    for (const Row& row :
         {Row{"CR", "\r", "\r"}, Row{"cr lf", "\r\n", "\r\n"},
          Row{"CR LF LTRS", "\r\n<", std::nullopt}, Row{"Cr Cr Lf", "\r\r\n", std::nullopt},
          Row{"CRLF", std::nullopt, std::nullopt}, Row{"", std::nullopt, std::nullopt}}) {
        EXPECT_EQ(endOfLineBytes(row.word, EndOfLineWords::All), row.all) << row.word;
        EXPECT_EQ(endOfLineBytes(row.word, EndOfLineWords::CrAndCrLfOnly), row.crAndCrLf)
            << row.word;
    }
    TerminalModeState state;
    state.endOfLineSequence = "\r";
    applyEndOfLine(state, "CR LF LTRS", EndOfLineWords::CrAndCrLfOnly);
    EXPECT_EQ(state.endOfLineSequence, "\r");
}

} // namespace
} // namespace orvane
