#include "script_parser.h"

#include <gtest/gtest.h>

namespace modara_sim {
namespace {

using Kind = ScriptCommand::Kind;

ScriptCommand parsed(std::string_view line) {
    ParsedLine result = parseScriptLine(line);
    EXPECT_EQ(result.error, "") << line;
    EXPECT_TRUE(result.command.has_value()) << line;
    return result.command.value_or(ScriptCommand{});
}

TEST(ScriptParser, StatusTakesANameOrAHexCodeAndMixedByteArguments) {
    ScriptCommand linked = parsed("status LINKED \"W1AW\" 00   # the other station");
    EXPECT_EQ(linked.kind, Kind::Status);
    EXPECT_EQ(linked.code, 0x20);
    EXPECT_EQ(linked.bytes, (Bytes{'W', '1', 'A', 'W', 0x00}));
    EXPECT_EQ(parsed("status 0x2a").code, 0x2A);
    EXPECT_EQ(parsed("status 7A 06").bytes, Bytes{0x06});
    EXPECT_EQ(parsed("status STATE_EVENT 0x06").code, 0x7A);
}

TEST(ScriptParser, StateEventsByNameOrNumber) {
    for (auto [line, value] : {std::pair{"event ISS", 14},
                               {"event IRS", 15},
                               {"event RATE_200", 9},
                               {"event HUFFMAN_OFF", 11},
                               {"event STBY_LISTEN", 16},
                               {"event 7", 7}}) {
        ScriptCommand event = parsed(line);
        EXPECT_EQ(event.kind, Kind::Status) << line;
        EXPECT_EQ(event.code, 0x7A) << line;
        EXPECT_EQ(event.bytes, Bytes{static_cast<std::uint8_t>(value)}) << line;
    }
}

TEST(ScriptParser, TextsResolveEscapesAndKeepHashesAndBlanks) {
    EXPECT_EQ(parsed(R"(text "a #1\r\n\x80\"")").bytes,
              (Bytes{'a', ' ', '#', '1', '\r', '\n', 0x80, '"'}));
    ScriptCommand raw = parsed("raw 80 11 0x91");
    EXPECT_EQ(raw.kind, Kind::Raw);
    EXPECT_EQ(raw.bytes, (Bytes{0x80, 0x11, 0x91}));
    EXPECT_EQ(parsed("bytes 80 20").kind, Kind::ModemBytes);
    EXPECT_EQ(parsed("wait-rx 80 11 \"W1\"").bytes, (Bytes{0x80, 0x11, 'W', '1'}));
}

TEST(ScriptParser, TimersSettingsAndQuit) {
    EXPECT_EQ(parsed("sleep 250").millis, 250);
    ScriptCommand stats = parsed("stats on 1000");
    EXPECT_EQ(stats.kind, Kind::StatsOn);
    EXPECT_EQ(stats.millis, 1000);
    EXPECT_EQ(parsed("stats off").kind, Kind::StatsOff);
    EXPECT_EQ(parsed("cq on 500").word, "K9CQ");
    EXPECT_EQ(parsed("cq on 500 DL2XY").word, "DL2XY");
    EXPECT_EQ(parsed("fail-call G4ABC").word, "G4ABC");
    ScriptCommand identity = parsed("identity hardware 800A");
    EXPECT_EQ(identity.word, "hardware");
    EXPECT_EQ(identity.value, "800A");
    EXPECT_EQ(parsed("pty close").kind, Kind::PtyClose);
    EXPECT_EQ(parsed("pty new").kind, Kind::PtyNew);
    EXPECT_EQ(parsed("quit").kind, Kind::Quit);
}

TEST(ScriptParser, BlankAndCommentLinesAreNoCommands) {
    for (const char* line : {"", "   ", "# nothing", "\t# indented\r"}) {
        ParsedLine result = parseScriptLine(line);
        EXPECT_EQ(result.error, "") << line;
        EXPECT_FALSE(result.command) << line;
    }
}

TEST(ScriptParser, MistakesAreReported) {
    for (const char* line : {"shout hello",
                             "status",
                             "status NOT_A_STATUS",
                             "status LINKED 100",
                             "text",
                             "text \"open",
                             "text \"\\q\"",
                             "raw 0x",
                             "sleep",
                             "sleep -5",
                             "sleep 1.5",
                             "stats on",
                             "stats on 0",
                             "stats maybe",
                             "cq on 10 A B",
                             "fail-call",
                             "identity hardware",
                             "quit now",
                             "pty",
                             "pty open",
                             "event",
                             "event SLEEPY",
                             "event 300",
                             "event ISS IRS",
                             "fax send K1 100 2 50",
                             "fax both K1 100 2 50 ok",
                             "fax send K1 1 2 50 ok",
                             "fax send K1 100 0 50 ok",
                             "fax send K1 100 2 50 maybe"}) {
        ParsedLine result = parseScriptLine(line);
        EXPECT_NE(result.error, "") << line;
        EXPECT_FALSE(result.command) << line;
    }
}

} // namespace
} // namespace modara_sim
