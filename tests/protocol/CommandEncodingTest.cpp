#include "protocol/AudioLevel.h"
#include "protocol/CommandBuilders.h"
#include "protocol/FskEncodings.h"
#include "protocol/LoaderCommands.h"
#include "protocol/QuoralEncodings.h"
#include "protocol/TextCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace orvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using enum CommandCode;

std::string hexOf(const ModemCommand& c) {
    return toHex(c.bytes());
}
std::string hexOf(const std::optional<ModemCommand>& c) {
    return c ? hexOf(*c) : "(not sent)";
}

TEST(TextParameters, AreEscapedAndTerminated) {
    EXPECT_EQ(hexOf(textCommand(SET_MYCALL, "")), "80 13 80 00");
    EXPECT_EQ(hexOf(textCommand(QUORAL_CALL_NORMAL, "DL1X")),
              "80 11 80 44 80 4C 80 31 80 58 80 00");
    EXPECT_EQ(hexOf(amtorSelectiveFec("ABCDEF")), "80 18 80 41 80 42 80 43 80 44 80 00");
    EXPECT_EQ(hexOf(amtorSelectiveFec("AB")), "80 18 80 41 80 42 80 00");
}

// A NUL would end the text at the modem, which would then read the rest of
// the call sign as commands ("A\0Q" would switch SW1 on).
TEST(TextParameters, EndAtTheirFirstNul) {
    EXPECT_EQ(hexOf(textCommand(SET_MYCALL, std::string("A\0Q", 3))), "80 13 80 41 80 00");
}

TEST(AnswerBack, SendsTheFileAsItIs) {
    EXPECT_EQ(hexOf(answerBack("K1\r\n\x80")), "80 94 80 4B 80 31 80 0D 80 0A 80 80 80 00");

    const auto dir = std::filesystem::temp_directory_path() / "orvane-answerback-test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "wru.txt";
    std::ofstream(file, std::ios::binary) << "DE K1ABC";
    EXPECT_EQ(hexOf(answerBackFromFile(file)),
              "80 94 80 44 80 45 80 20 80 4B 80 31 80 41 80 42 80 43 80 00");
    std::ofstream(file, std::ios::binary | std::ios::trunc);
    EXPECT_EQ(hexOf(answerBackFromFile(file)), "80 94 80 00");

    EXPECT_FALSE(answerBackFromFile(dir / "missing.txt"));
    EXPECT_FALSE(answerBackFromFile(dir));
    std::filesystem::remove_all(dir);
}

TEST(AudioLevel, GainTextsGiveTheirCodes) {
    struct Row {
        const char* text;
        std::optional<int> rx, tx;
    };
    const Row rows[] = {
        {"-36dB", 16, 32},
        {"-30dB", 17, 33},
        {"-24dB", 18, 34},
        {"-18dB", 19, 35},
        {"-12dB", 20, 36},
        {"-9dB", 21, 37},
        {"-6dB", 22, 38},
        {"-3dB", 23, 39},
        {"+0dB", 1, 40},
        {"0dB", 1, 40},
        {"-0dB", 1, 40},
        {"+3dB", 25, {}},
        {"+6dB", 2, {}},
        {"+9dB", 27, {}},
        {"+12dB", 3, {}},
        {"+18dB", 29, {}},
        {"+24dB", 30, {}},
        // The older stored receive forms; they mean nothing on the transmit side.
        {"1", 1, {}},
        {"2", 2, {}},
        {"3", 3, {}},
        // In no row: the caller keeps its code.
        {"+7dB", {}, {}},
        {"+0DB", {}, {}},
        {"", {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const auto rx = receiveGainCode(row.text);
        const auto tx = transmitGainCode(row.text);
        EXPECT_EQ(rx ? std::optional<int>(*rx) : std::nullopt, row.rx);
        EXPECT_EQ(tx ? std::optional<int>(*tx) : std::nullopt, row.tx);
    }
    EXPECT_EQ(hexOf(audioLevel(*receiveGainCode("2"))), "80 6C 80 02");
}

TEST(AudioLevel, TransmitLevelOnlyForItsHardwareAndCodes) {
    EXPECT_EQ(hexOf(transmitAudioLevel("8004", 40)), "80 6C 80 28");
    EXPECT_EQ(hexOf(transmitAudioLevel("800A", 32)), "80 6C 80 20");
    EXPECT_EQ(hexOf(transmitAudioLevel("800B", 31)), "(not sent)");
    EXPECT_EQ(hexOf(transmitAudioLevel("800B", 0)), "(not sent)");
    EXPECT_EQ(hexOf(transmitAudioLevel("8001", 40)), "(not sent)");
    EXPECT_EQ(hexOf(transmitAudioLevel("800a", 40)), "(not sent)");
}

TEST(FskEncodings, TonesAreSixteenBitsHighByteFirst) {
    EXPECT_EQ(hexOf(fskTones(2125, 2295)), "80 EC 80 08 80 4D 80 08 80 F7");
    EXPECT_EQ(hexOf(fskTones(2100, 2300)), "80 EC 80 08 80 34 80 08 80 FC");
}

TEST(FskEncodings, Families) {
    EXPECT_EQ(hexOf(fskFamily(FskFamily::BaudotAscii)), "80 EB 80 00");
    EXPECT_EQ(hexOf(fskFamily(FskFamily::Amtor)), "80 EB 80 01");
    EXPECT_EQ(hexOf(fskFamily(FskFamily::PMode)), "80 EB 80 02");
}

TEST(FskEncodings, RatesGiveTheirIndex) {
    const int rates[] = {45, 50, 57, 75, 100, 110};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(rateIndex(rates[i]), i);
        EXPECT_EQ(baudotRate(rates[i]).bytes(), (Bytes{0x80, 0xE4, 0x80, std::uint8_t(i)}));
    }
    EXPECT_FALSE(rateIndex(60));
    EXPECT_EQ(hexOf(baudotRate(60)), "80 E4 80 00");
    EXPECT_EQ(hexOf(asciiRate(300)), "80 E5 80 00");
    EXPECT_EQ(hexOf(asciiRate(110)), "80 E5 80 05");
}

TEST(QuoralEncodings, WaveformBytes) {
    const std::pair<const char*, int> rows[] = {{"BPSM", 0x99}, {"QPSM", 0x9D},  {"8PSM", 0xE1},
                                                {"8P2A", 0xE5}, {"16PSM", 0xE9}, {"16P4A", 0xED},
                                                {"2DPSM", 0x55}};
    for (auto [name, byte] : rows)
        EXPECT_EQ(waveformByte(name), byte) << name;
    EXPECT_FALSE(waveformByte("bpsm"));

    EXPECT_EQ(hexOf(broadcastWaveform("2DPSM")), "80 64 80 55");
    EXPECT_EQ(hexOf(broadcastWaveform("16P4A")), "80 64 80 ED");
    EXPECT_EQ(hexOf(broadcastWaveform("16PSM")), "80 64 80 99"); // not offered for broadcasts
    EXPECT_EQ(hexOf(broadcastWaveform("Invalid")), "80 64 80 99");

    const int callBytes[] = {0x99, 0x9D, 0xE1, 0xE5, 0xE9, 0xED};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(callWaveform(i)->bytes().at(3), callBytes[i]);
    EXPECT_FALSE(callWaveform(-1));
    EXPECT_FALSE(callWaveform(6));
}

// Without its parameter byte the command would swallow the next command's
// escape as its parameter and turn that command's code into text for the
// air; an unknown word therefore sends nothing.
TEST(QuoralEncodings, AutoBiasWordsInAnyCase) {
    EXPECT_EQ(hexOf(quoralAutoBias("ROBUST")), "80 65 80 00");
    EXPECT_EQ(hexOf(quoralAutoBias("NORMAL")), "80 65 80 01");
    EXPECT_EQ(hexOf(quoralAutoBias("fast")), "80 65 80 02");
    EXPECT_EQ(hexOf(quoralAutoBias("FASTEST")), "80 65 80 03");
    EXPECT_EQ(hexOf(quoralAutoBias("FASTER")), "(not sent)");
    EXPECT_EQ(hexOf(quoralAutoBias("")), "(not sent)");
}

TEST(QuoralEncodings, CallFollowsTheConnectBias) {
    EXPECT_EQ(hexOf(quoralCall("robust", "K1")), "80 10 80 4B 80 31 80 00");
    EXPECT_EQ(hexOf(quoralCall("NORMAL", "K1")), "80 11 80 4B 80 31 80 00");
    EXPECT_EQ(hexOf(quoralCall("", "")), "80 11 80 00");
}

TEST(QuoralEncodings, CommonAfChannelFallsBackToFour) {
    EXPECT_EQ(hexOf(commonAfChannel(1)), "80 63 80 01");
    EXPECT_EQ(hexOf(commonAfChannel(3)), "80 63 80 03");
    EXPECT_EQ(hexOf(commonAfChannel(7)), "80 63 80 04");
    EXPECT_EQ(hexOf(commonAfChannel(0)), "80 63 80 04");
    // The Quoral set-up sends the stored value as it is.
    EXPECT_EQ(hexOf(command(AF_CHANNEL, {7})), "80 63 80 07");
}

TEST(SpecialSequences, PanicAndTheImmediateAndLoaderWrites) {
    const ModemCommand panic = command(PANIC);
    EXPECT_EQ(hexOf(panic), "81 06");
    EXPECT_EQ(panic.sendKind(), SendKind::ClearQueueThenAppend);
    EXPECT_EQ(command(FORCED_OVER).sendKind(), SendKind::ImmediateWrite);

    EXPECT_EQ(hexOf(loaderFskPrep()), "80 84");
    EXPECT_EQ(hexOf(loaderLoadStart()), "80 6A 80 07");
    EXPECT_EQ(hexOf(loaderErase()), "80 0F");
    EXPECT_EQ(hexOf(loaderImageType(true)), "80 00");
    EXPECT_EQ(hexOf(loaderImageType(false)), "80 01");
    EXPECT_EQ(hexOf(loaderShutdown()), "80 09");
    for (const ModemCommand& c : {loaderFskPrep(), loaderLoadStart(), loaderErase(),
                                  loaderImageType(true), loaderShutdown()})
        EXPECT_EQ(c.sendKind(), SendKind::LoaderWrite) << hexOf(c);
}

TEST(SpecialSequences, DataBytesThatLookLikeEscapesAreEscaped) {
    Bytes out;
    for (std::uint8_t b : {0x80, 0x81, 0x41, 0x00, 0x82})
        appendDataByte(out, b);
    EXPECT_EQ(toHex(out), "81 80 81 81 41 00 82");
}

} // namespace
} // namespace orvane
