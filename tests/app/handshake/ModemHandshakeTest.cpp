#include "FakeModemLink.h"

#include "protocol/ModemCommand.h"
#include "protocol/handshake/ModemHandshake.h"
#include "protocol/handshake/SelfTest.h"
#include "support/RunSequence.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::testing {
namespace {

using Events = std::vector<std::string>;

const std::string kCompleteHandshake = "80 41 80 46 80 84 80 02 80 7B 80 78 80 A0 80 76 80 77";

class ModemHandshakeTest : public ::testing::Test {
protected:
    ModemHandshakeTest() { modem.answerLikeAHealthyModem(); }

    HandshakeResult run() {
        ModemHandshake handshake(modem, clock, sequences, prompter, processExit, sound,
                                 [this]() -> Task<bool> {
                                     ++loaderRuns;
                                     co_return loaderDownloads;
                                 });
        return runSequence(sequences, clock, handshake.run());
    }
    // Runs a handshake that must end the process.
    void runToTheEnd() { EXPECT_THROW(run(), ProcessEnded); }
    std::string sent() const { return toHex(modem.sentBytes); }

    ManualClock clock;
    SequenceRunner sequences{clock};
    FakeModemLink modem{clock, sequences};
    ScriptedPrompter prompter;
    ThrowingProcessExit processExit;
    CountingSound sound;
    int loaderRuns = 0;
    bool loaderDownloads = false;
};

TEST_F(ModemHandshakeTest, HealthyModemGivesItsIdentity) {
    const HandshakeResult result = run();

    EXPECT_EQ(result.outcome, HandshakeOutcome::Succeeded);
    EXPECT_EQ(sent(), kCompleteHandshake);
    const ModemIdentity expected{"1234", "12.5", "800B", "3.7H", "2.16H", "3000", true};
    EXPECT_EQ(result.identity, expected); // the waveform of the second version wins
    EXPECT_EQ(modem.events,
              (Events{"XON/XOFF on", "line configuration", "threads running", "routing resumed"}));
    EXPECT_TRUE(prompter.asked().empty());
}

TEST_F(ModemHandshakeTest, LeftoversAndBothEchoFormsAreAccepted) {
    // A stale status from before the port was ours is dropped at step 3, a
    // stale fault code after it is skipped as a leftover.
    modem.rxQueue().enqueue(0x8002);
    modem.rxQueue().enqueue(0x01);
    modem.replies[0x02] = {0x0002, 0x00}; // data form of the echo
    modem.replies[0x7B] = {0x41, 0x8021, 0x007B, 0xAB, 0xCD};
    modem.replies[0xA0] = {0x80A0, 0x80, 0x04};
    modem.replies[0x76] = {0x8076, 0x03, 0x07};
    modem.replies[0x77] = {0x8077, 0x0F, 0xFF};

    const HandshakeResult result = run();

    EXPECT_EQ(result.outcome, HandshakeOutcome::Succeeded);
    EXPECT_EQ(result.identity.ProductId, "ABCD");
    EXPECT_EQ(result.identity.HardwareVersion, "8004");
    EXPECT_EQ(result.identity.LodVersion, "3.7");
    EXPECT_EQ(result.identity.S28Version, "15.255");
    EXPECT_EQ(result.identity.QuoralWaveform, "II");
    EXPECT_EQ(modem.events.front(), "XON/XOFF off");
    EXPECT_EQ(sound.beeps, 0);
}

// The queue is kept between the ID and the boot version queries and emptied
// before each later one: what the ID answer brought along is read as the boot
// version, while a stray hardware reply before the hardware query is not.
TEST_F(ModemHandshakeTest, QueueIsClearedOnlyWhereItMustBe) {
    modem.replies[0x7B] = {0x807B, 0x12, 0x34, 0x8078, 0x81, 0x82};
    modem.replies[0x78] = {0x80A0, 0x99, 0x99};
    const HandshakeResult result = run();
    EXPECT_EQ(result.identity.BootVersion, "1.2");
    EXPECT_EQ(result.identity.HardwareVersion, "800B");
}

TEST_F(ModemHandshakeTest, DrainsOnlyWhereTheOrderSaysSo) {
    modem.drainMs = 3;
    run();
    // SW1_OFF, SW6_OFF, MODE_FSK_PREP, QUERY_SELFTEST, then the five queries;
    // only the first three and the ID query are followed by a drain.
    EXPECT_EQ(modem.sendTicks, (std::vector<std::int64_t>{0, 3, 6, 9, 9, 12, 12, 12, 12}));
}

TEST_F(ModemHandshakeTest, PassingSelfTestCodesContinue) {
    for (std::int32_t code : {0x00, 0x03, 0x05, 0x07, 0x09, 0x0A, 0x0B, 0x0D, 0x7F, 0x81, 0xFF}) {
        SCOPED_TRACE(code);
        FakeModemLink fresh(clock, sequences);
        fresh.answerLikeAHealthyModem();
        fresh.replies[0x02] = {0x8002, code};
        ModemHandshake handshake(fresh, clock, sequences, prompter, processExit, sound, nullptr);
        EXPECT_TRUE(runSequence(sequences, clock, handshake.run()).succeeded());
    }
    EXPECT_TRUE(prompter.asked().empty());
}

TEST_F(ModemHandshakeTest, HardwareFaultsEndTheProgram) {
    const std::pair<int, std::string> faults[] = {
        {1, "BOOT BLOCK failure!\n\n"},
        {8, "DSP failure!\n\n"},
        {12, "Incorrect S28 for the BOOT BLOCK!\n\n"},
    };
    for (const auto& [code, text] : faults) {
        SCOPED_TRACE(code);
        FakeModemLink fresh(clock, sequences);
        fresh.answerLikeAHealthyModem();
        fresh.replies[0x02] = {0x8002, code};
        ScriptedPrompter asked;
        CountingSound beeper;
        ModemHandshake handshake(fresh, clock, sequences, asked, processExit, beeper, nullptr);
        EXPECT_THROW(runSequence(sequences, clock, handshake.run()), ProcessEnded);

        EXPECT_EQ(beeper.beeps, 1);
        ASSERT_EQ(asked.asked().size(), 1u);
        EXPECT_EQ(asked.asked()[0].caption, "");
        EXPECT_EQ(asked.asked()[0].text, text + kVendorContactLines);
        EXPECT_EQ(asked.asked()[0].buttons, PromptButtons::Ok);
        EXPECT_EQ(fresh.events, (Events{"RTS off", "DTR off", "hide"}));
        EXPECT_EQ(toHex(fresh.sentBytes), "80 41 80 46 80 84 80 02");
    }
}

TEST_F(ModemHandshakeTest, MemoryFaultsOfferAReload) {
    const std::pair<int, std::string> faults[] = {
        {2, "LOD memory error!\n\nReload LOD?"},
        {4, "S28 memory error!\n\nReload S28?"},
        {6, "LOD and S28 memory errors!\n\nReload firmware?"},
    };
    for (const auto& [code, text] : faults) {
        SCOPED_TRACE(code);
        modem.replies[0x02] = {0x8002, code};

        // Cancel: the lines drop and the process ends (code 6 hides first).
        modem.events.clear();
        prompter.answerNext(PromptAnswer::Cancel);
        runToTheEnd();
        const auto& box = prompter.asked().back();
        EXPECT_EQ(box.caption, "ERROR");
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.icon, PromptIcon::Stop);
        EXPECT_EQ(box.buttons, PromptButtons::OkCancel);
        const Events dropped =
            code == 6 ? Events{"RTS off", "DTR off", "hide"} : Events{"RTS off", "DTR off"};
        EXPECT_EQ(modem.events, dropped);

        // OK and a cancelled file choice: the handshake goes on.
        loaderRuns = 0;
        loaderDownloads = false;
        modem.sentBytes.clear();
        EXPECT_TRUE(run().succeeded());
        EXPECT_EQ(loaderRuns, 1);
        EXPECT_EQ(sent(), kCompleteHandshake);

        // OK and a download: it stops right there.
        loaderDownloads = true;
        modem.sentBytes.clear();
        EXPECT_EQ(run().outcome, HandshakeOutcome::FirmwareDownloaded);
        EXPECT_EQ(sent(), "80 41 80 46 80 84 80 02");
    }
    EXPECT_EQ(sound.beeps, 0);
}

// A result code a moment behind its echo is still a fault, not a pass.
TEST_F(ModemHandshakeTest, LateSelfTestCodeIsWaitedFor) {
    modem.replies[0x02] = {0x8002};
    modem.replyLater(0x02, 30, {0x02});
    prompter.answerNext(PromptAnswer::Cancel);
    runToTheEnd();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"LOD memory error!\n\nReload LOD?"});
}

TEST_F(ModemHandshakeTest, SilentModemLeadsToThePortChoiceAfter25Seconds) {
    modem.sendPauseMs = 50; // the self-test goes out at 150 ms; the limit is in whole seconds
    modem.replies.erase(0x02);

    EXPECT_EQ(run().outcome, HandshakeOutcome::PortChoiceCancelled);
    EXPECT_EQ(modem.events, Events{"another port at 25000"});
    EXPECT_TRUE(prompter.asked().empty()); // the port layer asks its own questions
    EXPECT_EQ(sent(), "80 41 80 46 80 84 80 02");
}

TEST_F(ModemHandshakeTest, SelfTestEchoWithoutItsCodeCountsAsSilent) {
    modem.replies[0x02] = {0x8002};
    EXPECT_EQ(run().outcome, HandshakeOutcome::PortChoiceCancelled);
    EXPECT_EQ(modem.events, Events{"another port at 25000"});
}

TEST_F(ModemHandshakeTest, AnotherPortStartsAgainFromTheTop) {
    modem.replies.erase(0x02);
    modem.onChooseAnotherPort = [this] {
        modem.answerLikeAHealthyModem(); // the modem on the new port answers
        return true;
    };

    const HandshakeResult result = run();

    EXPECT_TRUE(result.succeeded());
    EXPECT_EQ(sent(), "80 41 80 46 80 84 80 02 " + kCompleteHandshake);
    EXPECT_EQ(result.identity.HardwareVersion, "800B");
}

TEST_F(ModemHandshakeTest, SilentQueryShowsItsNumberedMessage) {
    const std::pair<std::uint8_t, std::string> queries[] = {
        {0x7B, "6"}, {0x78, "5"}, {0xA0, "7"}, {0x76, "3"}, {0x77, "4"}};
    for (const auto& [code, number] : queries) {
        SCOPED_TRACE(number);
        modem.answerLikeAHealthyModem();
        modem.replies.erase(code);
        modem.events.clear();
        clock.advance(1000 - clock.tickMs() % 1000); // start each run on a whole second
        const std::int64_t start = clock.tickMs();

        runToTheEnd();

        const auto& box = prompter.asked().back();
        EXPECT_EQ(box.caption, "ERROR");
        EXPECT_EQ(box.text,
                  "(" + number +
                      ")Modara not responding!\n\nReset modem, and check power and cables.");
        EXPECT_EQ(box.icon, PromptIcon::Stop);
        EXPECT_EQ(box.buttons, PromptButtons::Ok);
        EXPECT_EQ(modem.hiddenAt - start, 25000); // not at 24.999 s
        EXPECT_EQ(modem.events.back(), "hide");   // RTS and DTR are left alone
        for (const auto& e : modem.events)
            EXPECT_EQ(e.find("RTS"), std::string::npos);
    }
}

TEST_F(ModemHandshakeTest, ReplyBytesArrivingLateAreWaitedFor) {
    modem.replies[0x76] = {0x8076};
    modem.replyLater(0x76, 5, {0x93, 0x00});
    modem.replies[0x77] = {0x8077, 0x02};
    modem.replyLater(0x77, 2, {0x03});
    const HandshakeResult result = run();
    EXPECT_EQ(result.identity.LodVersion, "3.0H");
    EXPECT_EQ(result.identity.S28Version, "2.3");
}

TEST_F(ModemHandshakeTest, QueryEchoWithoutItsBytesFailsAfter25Seconds) {
    modem.replies[0x7B] = {0x807B, 0x12};
    runToTheEnd();
    EXPECT_EQ(prompter.texts().back().substr(0, 3), "(6)");
    EXPECT_EQ(modem.hiddenAt, 25000);
}

} // namespace
} // namespace orvane::testing
