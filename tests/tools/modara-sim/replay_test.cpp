#include "replay_trace.h"

#include <gtest/gtest.h>

namespace modara_sim {
namespace {

const char* const kTrace = "# a console's start\n"
                           "2026-12-09 12:00:00.000 host 80 7B\n"
                           "2026-12-09 12:00:00.040 modem 80 7B 12 34\n"
                           "2026-12-09 12:00:00.100 host 80 78\r\n"
                           "2026-12-09 12:00:00.150 modem 80 78 8C 05\n"
                           "2026-12-09 12:00:02.150 modem 41 42\n";

TEST(ReplayTrace, ParsesLinesAndNamesTheFirstBadOne) {
    const ParsedTrace parsed = parseTrace(kTrace);
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.lines.size(), 5u);
    EXPECT_EQ(parsed.lines[1].time - parsed.lines[0].time, 40);
    EXPECT_TRUE(parsed.lines[1].fromModem);
    EXPECT_EQ(parsed.lines[1].bytes, (Bytes{0x80, 0x7B, 0x12, 0x34}));

    struct Bad {
        const char* text;
        const char* error;
    };
    for (const Bad& bad :
         {Bad{"2026-12-09 12:00 host 80\n",
              "line 1: expected a time stamp YYYY-MM-DD HH:MM:SS.mmm"},
          Bad{"\n2026-12-09 12:00:00.000 both 80\n", "line 2: expected host or modem"},
          Bad{"2026-12-09 12:00:00.000 host 80 XYZ\n", "line 1: not a hex byte: XYZ"}})
        EXPECT_EQ(parseTrace(bad.text).error, bad.error) << bad.text;
}

TEST(ReplayTrace, AnswersEachQueryWithItsRecordedDelayAndKeepsTheSpacingAfter) {
    ReplayPlayer player(parseTrace(kTrace).lines, 1000);
    player.tick(3000); // nothing has been asked yet, and the wait for it has not run out
    EXPECT_TRUE(player.takeOutput().empty());

    player.receive(2, 6000); // the first query
    player.tick(6039);
    EXPECT_TRUE(player.takeOutput().empty());
    player.tick(6040);
    EXPECT_EQ(player.takeOutput(), (Bytes{0x80, 0x7B, 0x12, 0x34}));

    player.receive(2, 7000); // the second query, later than recorded
    player.tick(7050);
    EXPECT_EQ(player.takeOutput(), (Bytes{0x80, 0x78, 0x8C, 0x05}));
    EXPECT_EQ(player.nextDue(), 9050);
    player.tick(9050);
    EXPECT_EQ(player.takeOutput(), (Bytes{0x41, 0x42}));
    EXPECT_TRUE(player.finished());
}

TEST(ReplayTrace, AConsoleThatNeverAsksGetsTheAnswerAfterTheLongestWait) {
    ReplayPlayer player(parseTrace(kTrace).lines, 0);
    EXPECT_EQ(player.nextDue(), 40 + ReplayPlayer::kHostWait);
    player.tick(40 + ReplayPlayer::kHostWait);
    EXPECT_EQ(player.takeOutput(), (Bytes{0x80, 0x7B, 0x12, 0x34}));
    // The bytes it did not send are no longer waited for: the next answer
    // needs only the second query's two bytes.
    player.receive(2, 4000);
    player.tick(4050);
    EXPECT_EQ(player.takeOutput(), (Bytes{0x80, 0x78, 0x8C, 0x05}));
}

} // namespace
} // namespace modara_sim
