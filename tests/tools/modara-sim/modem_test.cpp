#include "modem.h"

#include "console_view.h"
#include "status_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace modara_sim {
namespace {

using test::ConsoleView;
using test::Items;
using test::statusItem;

// Items from a text: its characters as data items.
Items chars(std::string_view text) {
    return Items(text.begin(), text.end());
}

Items join(std::initializer_list<Items> parts) {
    Items all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A command with a text parameter, as the console encodes it.
Bytes textCommand(std::uint8_t code, std::string_view text) {
    Bytes bytes{0x80, code};
    for (char c : text)
        bytes.insert(bytes.end(), {0x80, static_cast<std::uint8_t>(c)});
    bytes.insert(bytes.end(), {0x80, 0x00});
    return bytes;
}

class ModemTest : public ::testing::Test {
protected:
    void start(ModemSettings settings = {}) {
        modem_.emplace(std::move(settings),
                       [this](const std::string& line) { log_ += line + "\n"; });
    }

    // Sends bytes at time `now`, runs what is due and returns what the console decodes.
    Items send(const Bytes& bytes) {
        modem_->receive(bytes.data(), bytes.size(), now_);
        return at(now_);
    }
    Items at(Millis now) {
        now_ = now;
        modem_->tick(now_);
        line_ = modem_->takeOutput();
        return console_.decode(line_);
    }

    std::optional<Modem> modem_;
    ConsoleView console_;
    Bytes line_;
    std::string log_;
    Millis now_ = 0;
};

TEST_F(ModemTest, AnswersTheHandshake) {
    ModemSettings settings;
    settings.identity.productId = {0x12, 0x80}; // a reply byte that needs escaping
    start(settings);
    EXPECT_EQ(send({0x80, 0x41, 0x80, 0x46}), Items{});
    EXPECT_EQ(send({0x80, 0x84}), Items{statusItem(0x84)});
    EXPECT_EQ(send({0x80, 0x02}), (Items{statusItem(0x02), 0x00}));
    EXPECT_EQ(send({0x80, 0x7B}), (Items{statusItem(0x7B), 0x12, 0x80}));
    EXPECT_EQ(send({0x80, 0x78, 0x80, 0xA0}),
              (Items{statusItem(0x78), 0x8C, 0x05, statusItem(0xA0), 0x80, 0x04}));
    EXPECT_EQ(send({0x80, 0x76, 0x80, 0x77}),
              (Items{statusItem(0x76), 0x93, 0x07, statusItem(0x77), 0x92, 0x0C}));
    EXPECT_NE(log_.find("# QUERY_SELFTEST\n"), std::string::npos);
    EXPECT_NE(log_.find("# SW6_OFF\n"), std::string::npos);
}

TEST_F(ModemTest, SilentQueriesAndDataEchoes) {
    ModemSettings settings;
    setIdentity(settings.identity, "silent", "id");
    setIdentity(settings.identity, "selftest", "6");
    settings.identity.echoAsData = true;
    start(settings);
    EXPECT_EQ(send({0x80, 0x02, 0x80, 0x7B}), (Items{0x02, 0x06}));
    EXPECT_EQ(send({0x80, 0xA0}), (Items{0xA0, 0x80, 0x04}));
}

TEST_F(ModemTest, Hardware800AEscapesFlowBytesOnceItHasToldItsHardware) {
    ModemSettings settings;
    setIdentity(settings.identity, "hardware", "800A");
    settings.identity.productId = {0x11, 0x91};
    start(settings);
    // Until the console has read the hardware version, it does not filter.
    EXPECT_EQ(send({0x80, 0x02, 0x80, 0x7B, 0x80, 0x78, 0x80, 0xA0}),
              (Items{statusItem(0x02), 0x00, statusItem(0x7B), 0x11, 0x91, statusItem(0x78), 0x8C,
                     0x05, statusItem(0xA0), 0x80, 0x0A}));
    console_.setFlowFilter(true);
    Items rest = send({0x80, 0x76, 0x80, 0x77, 0x80, 0x7B});
    EXPECT_EQ(rest, (Items{statusItem(0x76), 0x93, 0x07, statusItem(0x77), 0x92, 0x0C,
                           statusItem(0x7B), 0x11, 0x91}));
    EXPECT_NE(std::count(line_.begin(), line_.end(), 0x11), 0) << "stray XON expected";

    // The next handshake starts unfiltered again.
    console_ = ConsoleView{};
    EXPECT_EQ(send({0x80, 0x02, 0x80, 0x7B}),
              (Items{statusItem(0x02), 0x00, statusItem(0x7B), 0x11, 0x91}));
}

TEST_F(ModemTest, AQuoralCallLinksAfterTheDelayAndEchoesWhileLinked) {
    start();
    EXPECT_EQ(send(Bytes{'h', 'i'}), Items{}) << "standby: nothing goes on the air";
    EXPECT_EQ(send(textCommand(0x11, "W1AW")), Items{});
    EXPECT_EQ(at(299), Items{});
    EXPECT_EQ(at(300), join({{statusItem(0x20)}, chars("W1AW"), {0x00, statusItem(0x7A), 14}}));
    EXPECT_EQ(
        send({'o', 'k', 0x81, 0x80, 0x80, 0x07}),
        join(
            {{statusItem(0x31)}, chars("ok"), {0x80, statusItem(0x30)}, {statusItem(0x23), 0x00}}));
    EXPECT_EQ(send(Bytes{'h', 'i'}), Items{}) << "the link is down again";
    EXPECT_NE(log_.find("# QUORAL_CALL_NORMAL \"W1AW\"\n"), std::string::npos);
    EXPECT_NE(log_.find("# DATA \"ok\\x80\"\n"), std::string::npos);
}

TEST_F(ModemTest, SignsToldToFailGetLinkFailed) {
    ModemSettings settings;
    settings.failCalls = {"g4abc"};
    start(settings);
    send(textCommand(0x10, "G4ABC"));
    EXPECT_EQ(at(300), (Items{statusItem(0x24), 0x00}));
    modem_->addFailCall("DL1XX");
    send(textCommand(0x19, "DL1XX"));
    EXPECT_EQ(at(600), (Items{statusItem(0x24), 0x00}));
    send(textCommand(0x17, "KA1BCDE"));
    EXPECT_EQ(at(900), join({{statusItem(0x2A)}, chars("KA1BCDE"), {0x00, statusItem(0x7A), 14}}));
}

TEST_F(ModemTest, DisconnectDuringACallCancelsItAndIdleDisconnectIsIgnored) {
    start();
    EXPECT_EQ(send({0x80, 0x07}), Items{});
    send(textCommand(0x11, "W1AW"));
    EXPECT_EQ(send({0x81, 0x06}), (Items{statusItem(0x23), 0x00})) << "panic ends the call";
    EXPECT_EQ(at(1000), Items{});
}

Bytes afterListenOff(Bytes command) {
    command.insert(command.begin(), {0x80, 0x48});
    return command;
}

TEST_F(ModemTest, BroadcastsEchoAndEndWithTheirModesStandbyReport) {
    struct Row {
        const char* what;
        Bytes start;
        Bytes end;
        Items report;
    };
    for (const Row& row : {
             Row{"Quoral broadcast, disconnect",
                 textCommand(0x12, ""),
                 {0x80, 0x07},
                 {statusItem(0x23), 0x00}},
             Row{"P-Mode unproto, panic",
                 textCommand(0x1C, ""),
                 {0x81, 0x06},
                 {statusItem(0x23), 0x00}},
             Row{"AMTOR FEC, listening",
                 Bytes{0x80, 0x58, 0x80, 0x81, 0x80, 0x1D, 0x80, 0x00},
                 {0x80, 0x07},
                 {statusItem(0x7A), 16}},
             Row{"AMTOR SFEC, not listening",
                 afterListenOff(textCommand(0x18, "ABCD")),
                 {0x81, 0x06},
                 {statusItem(0x7A), 12}},
             Row{"AMTOR CFEC", {0x80, 0x82}, {0x80, 0x07}, {statusItem(0x7A), 12}},
         }) {
        start();
        EXPECT_EQ(send(row.start), Items{}) << row.what;
        EXPECT_EQ(send(Bytes{'C', 'Q'}), (Items{statusItem(0x31), 'C', 'Q', statusItem(0x30)}))
            << row.what;
        EXPECT_EQ(send(row.end), row.report) << row.what;
        EXPECT_EQ(send(Bytes{'x'}), Items{}) << row.what << ": off the air again";
    }
}

TEST_F(ModemTest, AStandbyEventFromAScriptEndsABroadcast) {
    start();
    send({0x80, 0x1D, 0x80, 0x00});
    modem_->sendStatus({status::StateEvent, {12}});
    at(0);
    EXPECT_EQ(send(Bytes{'x'}), Items{});
}

TEST_F(ModemTest, KeyboardModesAlwaysTransmitAndFiveUnitModesSendOnlyTheirAlphabet) {
    start();
    EXPECT_EQ(send({0x80, 0x86, 'a', '~'}),
              join({{statusItem(0x31)}, chars("a~"), {statusItem(0x30)}}));
    EXPECT_EQ(send({0x80, 0x85, 'a', '~', '?'}),
              join({{statusItem(0x31)}, chars("a?"), {statusItem(0x30)}}));
}

TEST_F(ModemTest, ALinkReportedByAScriptPutsTheModemOnTheAir) {
    start();
    modem_->sendStatus({status::Linked, {'K', '1', 0x00}});
    EXPECT_EQ(at(0), (Items{statusItem(0x20), 'K', '1', 0x00}));
    EXPECT_EQ(send(Bytes{'x'}), (Items{statusItem(0x31), 'x', statusItem(0x30)}));
    modem_->sendStatus({status::Disconnected, {0x00}});
    at(0);
    EXPECT_EQ(send(Bytes{'x'}), Items{});
}

// The other operator: the caller sends first, a reply hands the turn over and back, a
// forced OVER returns it at once, and only finished lines are answered.
TEST_F(ModemTest, TheOtherOperatorTakesTurnsAndAnswersFinishedLines) {
    start();
    send(textCommand(0x11, "W1AW"));
    EXPECT_EQ(at(1000), join({{statusItem(0x20)}, chars("W1AW"), {0x00, statusItem(0x7A), 14}}));
    modem_->queueReply(Bytes{'O', 'K'});
    EXPECT_EQ(send(Bytes{'H', 'I'}), join({{statusItem(0x31)}, chars("HI"), {statusItem(0x30)}}))
        << "an unfinished line is not answered";
    EXPECT_EQ(send(Bytes{'\r', '\n'}), join({{statusItem(0x31)},
                                             chars("\r\n"),
                                             {statusItem(0x30)},
                                             {statusItem(0x7A), 15},
                                             chars("OK\r\n"),
                                             {statusItem(0x7A), 14}}));
    EXPECT_EQ(send(Bytes{'A', '\r'}), join({{statusItem(0x31)}, chars("A\r"), {statusItem(0x30)}}))
        << "no reply queued, no automatic answers";
    modem_->setAutoAnswer(true);
    EXPECT_EQ(send(Bytes{'B', '\r'}), join({{statusItem(0x31)},
                                            chars("B\r"),
                                            {statusItem(0x30)},
                                            {statusItem(0x7A), 15},
                                            chars("R R B\r\n"),
                                            {statusItem(0x7A), 14}}));
    EXPECT_EQ(send({0x80, 0x87}), (Items{statusItem(0x7A), 14}));
}

TEST_F(ModemTest, CqCallsAndAnsweringAHeardCq) {
    start();
    EXPECT_EQ(send(textCommand(0x14, "")), (Items{statusItem(0x73), 102}));
    modem_->setCq(500, "DL2XY", now_);
    EXPECT_EQ(at(499), Items{});
    EXPECT_EQ(at(500), join({{statusItem(0x26)}, chars("DL2XY"), {0x00}}));
    modem_->setCq(std::nullopt, {}, now_);
    send(textCommand(0x15, ""));
    EXPECT_EQ(at(800), join({{statusItem(0x20)}, chars("DL2XY"), {0x00, statusItem(0x7A), 14}}));
}

TEST_F(ModemTest, StatisticsReportsFollowTheStatusTableLayout) {
    start();
    modem_->setStatistics(1000, 0);
    Items items = at(1000);
    ASSERT_FALSE(items.empty());
    // Walk the items as the console's dispatcher would: a code, then its follow-on count.
    int reports = 0;
    for (std::size_t i = 0; i < items.size(); ++reports) {
        ASSERT_GE(items[i], 0x8000) << "item " << i;
        const StatusInfo* info = findStatus(static_cast<std::uint8_t>(items[i] & 0xFF));
        ASSERT_NE(info, nullptr);
        ASSERT_EQ(info->followOn, FollowOn::Fixed) << info->name;
        for (int k = 1; k <= info->count; ++k)
            ASSERT_LT(items.at(i + k), 0x100) << info->name;
        i += 1 + static_cast<std::size_t>(info->count);
    }
    EXPECT_EQ(reports, 4);
    EXPECT_EQ(at(1999), Items{});
    EXPECT_NE(at(2000), Items{});
}

TEST_F(ModemTest, FirmwareLoaderAnswersRawAndTakesTheImageVerbatim) {
    ModemSettings settings;
    setIdentity(settings.identity, "hardware", "800A");
    start(settings);
    send({0x80, 0x02, 0x80, 0xA0}); // flow escaping is on from here
    at(0);
    send({0x80, 0x6A, 0x80, 0x07});
    EXPECT_EQ(line_, Bytes{0x6A});
    send({0x80, 0x0F});
    EXPECT_EQ(line_, Bytes{0x0F});
    send({0x80, 0x01});
    EXPECT_EQ(line_, Bytes{0x01});
    // Image bytes that look like commands are not commands.
    send({0x80, 0x07, 0x80, 0x02, 0x81, 0x06, 'S', '2', '8', '\n'});
    EXPECT_EQ(line_, Bytes{});
    at(now_ + 999);
    EXPECT_EQ(line_, Bytes{});
    at(now_ + 1);
    EXPECT_EQ(line_, (Bytes{0x02, 0x80, 0x0A}));
    EXPECT_NE(log_.find("image of 10 bytes"), std::string::npos);
    // Back to commands: the loader's closing shutdown, then a query.
    send({0x80, 0x09, 0x80, 0x7B});
    EXPECT_NE(line_, Bytes{});
}

TEST_F(ModemTest, FirmwareEraseFailureAndEraseWithoutLoadStart) {
    ModemSettings settings;
    settings.firmwareEraseFails = true;
    start(settings);
    send({0x80, 0x0F, 0x80, 0x00});
    EXPECT_EQ(line_, Bytes{}) << "no download was started";
    send({0x80, 0x6A, 0x80, 0x07, 0x80, 0x0F, 0x80, 0x00});
    EXPECT_EQ(line_, (Bytes{0x6A, 0x0F, 0x02}));
    EXPECT_EQ(at(5000), Items{});
}

TEST_F(ModemTest, FirmwareLoaderStallsHoldBackOneAnswerForAWhileOrForGood) {
    const struct {
        const char* stall;
        Bytes early; // the other answers, on the line at once
        Millis late; // when the held answer comes; 0 for never
        Bytes held;
    } rows[] = {
        {"start:500", {0x0F, 0x01}, 500, {0x6A}},
        {"erase:200", {0x6A, 0x01}, 200, {0x0F}},
        {"type:700", {0x6A, 0x0F}, 700, {0x01}},
        {"type", {0x6A, 0x0F}, 0, {}},
        {"prep", {}, 0, {}},
    };
    for (const auto& row : rows) {
        ModemSettings settings;
        settings.firmwareStall = parseLoaderStall(row.stall);
        ASSERT_TRUE(settings.firmwareStall) << row.stall;
        start(settings);
        now_ = 0;
        if (std::string(row.stall) == "prep") {
            send({0x80, 0x84});
            EXPECT_EQ(line_, Bytes{}) << row.stall;
            EXPECT_EQ(at(60000), Items{}) << row.stall;
            continue;
        }
        Bytes early;
        for (const Bytes& command :
             {Bytes{0x80, 0x6A, 0x80, 0x07}, Bytes{0x80, 0x0F}, Bytes{0x80, 0x01}}) {
            send(command);
            early.insert(early.end(), line_.begin(), line_.end());
        }
        EXPECT_EQ(early, row.early) << row.stall;
        if (row.late == 0) {
            EXPECT_EQ(at(60000), Items{}) << row.stall;
            continue;
        }
        at(row.late - 1);
        EXPECT_EQ(line_, Bytes{}) << row.stall;
        at(row.late);
        EXPECT_EQ(line_, row.held) << row.stall;
    }
    for (const char* bad : {"", "reset", "type:", "type:-5", "type:x"})
        EXPECT_FALSE(parseLoaderStall(bad)) << bad;
}

TEST(Statistics, TheBandFadesAndDriftsWithinTheFiguresRange) {
    int lowestSnr = 255, highestSnr = 0, lowestOffset = 127, highestOffset = -128, eccBeyond = 0;
    std::set<int> modulations;
    for (unsigned n = 0; n < 600; ++n) {
        const auto round = statisticsRound(n);
        ASSERT_EQ(round.size(), 4u);
        const Bytes& stats = round[1].followOn;
        lowestSnr = std::min<int>(lowestSnr, stats[1]);
        highestSnr = std::max<int>(highestSnr, stats[1]);
        const int offset = static_cast<std::int8_t>(round[3].followOn[0]);
        EXPECT_EQ(offset, -static_cast<std::int8_t>(stats[10]))
            << "each end sees the other the other way";
        lowestOffset = std::min(lowestOffset, offset);
        highestOffset = std::max(highestOffset, offset);
        if (stats[6] > 100) ++eccBeyond;
        modulations.insert(round[2].followOn[0] >> 2);
        if (n > 0) {
            const int before = static_cast<std::int8_t>(statisticsRound(n - 1)[3].followOn[0]);
            EXPECT_LE(std::abs(offset - before), 3) << "a drift, not a jump, at round " << n;
        }
    }
    EXPECT_LT(lowestSnr, 12);  // deep fades below 6 dB
    EXPECT_GT(highestSnr, 48); // peaks above 24 dB
    EXPECT_LE(lowestOffset, -10);
    EXPECT_GE(highestOffset, 10);
    EXPECT_GT(eccBeyond, 0);
    EXPECT_EQ(modulations, (std::set<int>{6, 7, 8, 10}));
}

} // namespace
} // namespace modara_sim
