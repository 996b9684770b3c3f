#include "command_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace modara_sim {
namespace {

// One line per item: "SW1_OFF", "QUORAL_CALL_NORMAL W1", "data 41", "panic", "begun 0F",
// "AF_CHANNEL! 41" for a command cut short.
std::vector<std::string> parse(const Bytes& bytes) {
    CommandParser parser;
    std::vector<HostItem> items;
    for (auto b : bytes)
        parser.feed(b, items);
    std::vector<std::string> lines;
    for (const auto& item : items) {
        switch (item.kind) {
        case HostItem::Kind::Data: lines.push_back("data " + formatHex(&item.byte, 1)); break;
        case HostItem::Kind::Panic: lines.push_back("panic"); break;
        case HostItem::Kind::Begun: lines.push_back("begun " + formatHex(&item.byte, 1)); break;
        case HostItem::Kind::Command: {
            std::string line = item.info ? std::string(item.info->name) : "?";
            if (!item.complete) line += "!";
            if (item.info && item.info->kind == ParamKind::Text)
                line += " " + std::string(item.params.begin(), item.params.end());
            else if (!item.params.empty())
                line += " " + formatHex(item.params);
            lines.push_back(line);
        }
        }
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(CommandParser, CommandsTakeTheParametersTheirCodeCallsFor) {
    EXPECT_EQ(parse({0x80, 0x41, 0x80, 0x46, 0x80, 0x02}),
              (Lines{"SW1_OFF", "SW6_OFF", "QUERY_SELFTEST"}));
    EXPECT_EQ(parse({0x80, 0x63, 0x80, 0x04}), (Lines{"begun 63", "AF_CHANNEL 04"}));
    EXPECT_EQ(parse({0x80, 0xEC, 0x80, 0x08, 0x80, 0x4D, 0x80, 0x08, 0x80, 0xF7}),
              (Lines{"begun EC", "FSK_TONES 08 4D 08 F7"}));
    // Codes 0x80 and up are commands too when they follow the escape.
    EXPECT_EQ(parse({0x80, 0x80, 0x80, 0x84}), (Lines{"MODE_QUORAL", "MODE_FSK_PREP"}));
    EXPECT_EQ(parse({0x80, 0x33}), (Lines{"?"}));
}

TEST(CommandParser, TextParametersEndAtTheTerminator) {
    EXPECT_EQ(parse({0x80, 0x11, 0x80, 'W', 0x80, '1', 0x80, 0x00, 'h'}),
              (Lines{"begun 11", "QUORAL_CALL_NORMAL W1", "data 68"}));
    EXPECT_EQ(parse({0x80, 0x13, 0x80, 0x00}), (Lines{"begun 13", "SET_MYCALL "}));
}

TEST(CommandParser, DataEscapeCoversOneByteAndMarksThePanic) {
    EXPECT_EQ(parse({0x81, 0x80, 0x81, 0x81, 0x41}), (Lines{"data 80", "data 81", "data 41"}));
    EXPECT_EQ(parse({'a', 0x81, 0x06, 0x06}), (Lines{"data 61", "panic", "data 06"}));
}

TEST(CommandParser, APlainByteWhereAParameterIsDueCutsTheCommandShort) {
    EXPECT_EQ(parse({0x80, 0x63, 0x41}), (Lines{"begun 63", "AF_CHANNEL!", "data 41"}));
    EXPECT_EQ(parse({0x80, 0x11, 0x80, 'K', 'x'}),
              (Lines{"begun 11", "QUORAL_CALL_NORMAL! K", "data 78"}));
}

TEST(CommandParser, AParameterEscapeWithoutItsByteSwallowsTheNextCommandCode) {
    // An auto-bias command whose parameter byte was left out, then a retry setting: the
    // modem reads the second command's escape as the missing parameter.
    EXPECT_EQ(parse({0x80, 0x65, 0x80, 0x80, 0x61, 0x80, 0x05}),
              (Lines{"begun 65", "QUORAL_AUTOBIAS 80", "data 61", "TEST_OFF"}));
}

TEST(CommandParser, EraseIsAnnouncedBeforeItsParameterArrives) {
    CommandParser parser;
    std::vector<HostItem> items;
    parser.feed(0x80, items);
    parser.feed(0x0F, items);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].kind, HostItem::Kind::Begun);
    EXPECT_EQ(parse({0x80, 0x0F, 0x80, 0x01}), (Lines{"begun 0F", "FW_ERASE 01"}));
}

} // namespace
} // namespace modara_sim
