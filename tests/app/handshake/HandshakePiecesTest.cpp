#include "protocol/handshake/AnotherPortQuestion.h"
#include "protocol/handshake/SelfTest.h"
#include "protocol/handshake/VersionTexts.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

TEST(VersionTexts, FormatTheReplyBytes) {
    EXPECT_EQ(hexPairText(0x80, 0x0B), "800B");
    EXPECT_EQ(hexPairText(0x0A, 0xBC), "0ABC");
    EXPECT_EQ(bootVersionText(0x8C, 0x05), "12.5");
    EXPECT_EQ(bootVersionText(0xE3, 0xFF), "99.127");
    EXPECT_EQ(firmwareVersionText(0x93, 7), "3.7H");
    EXPECT_EQ(firmwareVersionText(0x03, 7), "3.7");
    EXPECT_EQ(firmwareVersionText(0xFF, 255), "15.255H");
    EXPECT_EQ(firmwareVersionText(0x10, 0), "0.0H");
}

TEST(VersionTexts, WaveformFamilyFromTheHighNibble) {
    const std::pair<std::uint8_t, const char*> rows[] = {
        {0x03, "II"},   {0x0F, "II"},   {0x80, "2000"}, {0x93, "2500"},
        {0xA1, "3000"}, {0xB0, "2000"}, {0x10, "2000"}, {0xF0, "2000"}};
    for (auto [byte, family] : rows)
        EXPECT_EQ(quoralWaveformText(byte), family) << int(byte);
}

TEST(VersionTexts, XonXoffOnlyForTheHardwareThatSendsIt) {
    EXPECT_TRUE(usesXonXoffFilter("800A"));
    EXPECT_TRUE(usesXonXoffFilter("800B"));
    EXPECT_FALSE(usesXonXoffFilter("8004"));
    EXPECT_FALSE(usesXonXoffFilter("800b"));
    EXPECT_FALSE(usesXonXoffFilter(""));
}

TEST(SelfTest, OnlySixCodesAreFaults) {
    int faults = 0;
    for (int code = -128; code <= 127; ++code) {
        const auto verdict = judgeSelfTest(static_cast<std::int8_t>(code));
        if (verdict.action != SelfTestVerdict::Action::Continue) ++faults;
    }
    EXPECT_EQ(faults, 6);
    EXPECT_EQ(judgeSelfTest(12).action, SelfTestVerdict::Action::EndProgram);
    EXPECT_EQ(judgeSelfTest(6).action, SelfTestVerdict::Action::OfferReload);
    EXPECT_TRUE(judgeSelfTest(6).hideOnCancel);
    EXPECT_FALSE(judgeSelfTest(2).hideOnCancel);
}

TEST(AnotherPortQuestion, YesGoesOnAndNoEndsTheProcess) {
    ScriptedPrompter prompter;
    ThrowingProcessExit processExit;
    prompter.answerNext(PromptAnswer::Ok);
    prompter.answerNext(PromptAnswer::Yes);
    EXPECT_TRUE(askForAnotherPort(prompter, processExit));
    ASSERT_EQ(prompter.asked().size(), 2u);
    EXPECT_EQ(prompter.asked()[0].caption, "ERROR");
    EXPECT_EQ(prompter.asked()[0].text,
              "Error communicating with modem.\nPlease, check the cable and power connections\n"
              "or reset the modem and try again.");
    EXPECT_EQ(prompter.asked()[0].icon, PromptIcon::Stop);
    EXPECT_EQ(prompter.asked()[1].text, "Would you like to try another COM port?");
    EXPECT_EQ(prompter.asked()[1].buttons, PromptButtons::YesNo);

    prompter.answerNext(PromptAnswer::Ok);
    prompter.answerNext(PromptAnswer::No);
    EXPECT_THROW(askForAnotherPort(prompter, processExit), ProcessEnded);
}

} // namespace
} // namespace orvane::testing
