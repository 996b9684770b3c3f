#include "records/SessionLog.h"
#include "e2e/ChildProcess.h"
#include "protocol/link/LinkState.h"
#include "records/SentTextDecoder.h"
#include "support/ManualClock.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orvane {
namespace {

std::string sentText(std::initializer_list<int> wire) {
    SentTextDecoder decoder;
    std::string text;
    for (int byte : wire)
        if (auto c = decoder.decode(static_cast<std::uint8_t>(byte))) text += static_cast<char>(*c);
    return text;
}

TEST(SentTextDecoder, KeepsDataAndSkipsCommandsAndFileTransfers) {
    struct Row {
        const char* what;
        std::initializer_list<int> wire;
        std::string text;
    };
    const Row rows[] = {
        {"plain data", {'H', 'I', '\r'}, "HI\r"},
        {"a command and its parameter", {'A', 0x80, 0x13, 0x80, 0x41, 'B'}, "AB"},
        {"a text parameter with its end", {0x80, 0x4D, 0x80, 'K', 0x80, '1', 0x80, 0x00, 'C'}, "C"},
        {"escaped data bytes",
         {0x81, 0x80, 0x81, 0x81, 'D'},
         "\x80\x81"
         "D"},
        {"a file header, data and its end",
         {'E', 0x01, 0x81, 0x80, 'f', 0x08, '9', 0x02, 'x', 0x01, 0x90, 'y', 0x01, 0x93, 'F'},
         "EF"},
        {"a refusal ends the sequence", {0x01, 0x92, 'G'}, "G"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(sentText(row.wire), row.text) << row.what;
}

TEST(SessionLogFile, AFailedWriteIsReportedOnceAndLaterWritesStillTry) {
    testing::TempDir dir;
    std::ofstream(dir.path() / "Logs") << "a file where the folder should be";
    testing::ManualClock clock;
    clock.setWallClock(std::chrono::sys_days{std::chrono::December / 9 / 2026});
    testing::ScriptedPrompter prompter;
    LinkState link;
    SessionLog log(dir.path() / "Logs", clock, link, prompter);
    for (char c : std::string("ONE\rTWO\r")) {
        log.received(c);
        clock.advance(SessionLog::kWriteIntervalMs);
    }
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_NE(prompter.asked()[0].text.find("Logs/2026-12-09.log"), std::string::npos);

    std::filesystem::remove(dir.path() / "Logs");
    for (char c : std::string("THREE\r"))
        log.received(c);
    clock.advance(SessionLog::kWriteIntervalMs);
    std::ifstream in(dir.path() / "Logs" / "2026-12-09.log");
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "2026-12-09 00:00:02Z RX THREE"); // after eight steps of 250 ms
    EXPECT_EQ(prompter.asked().size(), 1u);
}

TEST(SessionLog, OffKeepsNothingAndClosingWritesTheUnfinishedLine) {
    testing::TempDir dir;
    testing::ManualClock clock;
    testing::ScriptedPrompter prompter;
    LinkState link;
    {
        SessionLog log(dir.path(), clock, link, prompter);
        log.setEnabled(false);
        for (char c : std::string("LOST\r"))
            log.received(c);
        log.setEnabled(true);
        for (char c : std::string("KEPT WITHOUT AN END"))
            log.received(c);
    }
    std::ifstream in(dir.path() / "1970-01-01.log");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, "1970-01-01 00:00:00Z RX KEPT WITHOUT AN END\n");
}

// The transmit thread hands its bytes over between writes; an answer that
// arrives before the next write still comes after the line it answers.
TEST(SessionLog, LinesKeepTheOrderOfTheWire) {
    testing::TempDir dir;
    testing::ManualClock clock;
    testing::ScriptedPrompter prompter;
    LinkState link;
    SessionLog log(dir.path(), clock, link, prompter);
    const std::uint8_t question[] = {'Q', 'R', 'V', '?', '\r'};
    log.record(WireDirection::ToModem, question);
    for (char c : std::string("QRV\r"))
        log.received(c);
    clock.advance(SessionLog::kWriteIntervalMs);
    std::ifstream in(dir.path() / "1970-01-01.log");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, "1970-01-01 00:00:00Z TX QRV?\n1970-01-01 00:00:00Z RX QRV\n");
}

} // namespace
} // namespace orvane
