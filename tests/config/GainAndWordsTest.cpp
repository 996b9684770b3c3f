#include "config/GainTable.h"
#include "config/SettingsWords.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(GainTable, EveryWrittenTextReadsBackAsItsCode) {
    for (int code : {16, 17, 18, 19, 20, 21, 22, 23, 1, 25, 2, 27, 3, 29, 30})
        EXPECT_EQ(rxGainCode(rxGainText(code)), code) << code;
    for (int code = 32; code <= 40; ++code)
        EXPECT_EQ(txGainCode(txGainText(code).value()), code) << code;
}

TEST(GainTable, TheThreeSpellingsOfNoGainAreOneCode) {
    for (const char* text : {"+0dB", "0dB", "-0dB"}) {
        EXPECT_EQ(rxGainCode(text), 1) << text;
        EXPECT_EQ(txGainCode(text), 40) << text;
    }
}

TEST(GainTable, RxCodesOutsideTheTableWriteTheirAliasOrNoGain) {
    EXPECT_EQ(rxGainText(24), "+0dB");
    EXPECT_EQ(rxGainText(26), "+6dB");
    EXPECT_EQ(rxGainText(28), "+12dB");
    for (int code : {0, 4, 15, 31, 40, -1})
        EXPECT_EQ(rxGainText(code), "+0dB") << code;
}

TEST(GainTable, PositiveGainsAndOtherCodesHaveNoTxText) {
    EXPECT_EQ(txGainCode("+3dB"), std::nullopt);
    EXPECT_EQ(txGainCode("+24dB"), std::nullopt);
    for (int code : {0, 1, 31, 41})
        EXPECT_EQ(txGainText(code), std::nullopt) << code;
}

TEST(GainTable, ReadingRxGainTakesTheOldDigitsAndKeepsTheCodeForUnknownText) {
    EXPECT_EQ(readRxGain("1", 0), 1);
    EXPECT_EQ(readRxGain("2", 0), 2);
    EXPECT_EQ(readRxGain("3", 0), 3);
    EXPECT_EQ(readRxGain("+9dB", 0), 27);
    EXPECT_EQ(readRxGain("+7dB", 0), 0);
    EXPECT_EQ(readRxGain("+7dB", 22), 22);
    EXPECT_EQ(readRxGain("", 5), 5);
    EXPECT_EQ(readRxGain("+0db", 5), 5); // exact comparison
    EXPECT_EQ(readRxGain("4", 5), 5);
}

TEST(GainTable, OnlyThreeHardwareVersionsHaveATxGain) {
    EXPECT_TRUE(hasTxGain("800A"));
    EXPECT_TRUE(hasTxGain("8004"));
    EXPECT_TRUE(hasTxGain("800B"));
    for (const char* version : {"", "800a", "8003", "800C", "800B "})
        EXPECT_FALSE(hasTxGain(version)) << version;
}

TEST(SettingsWords, CodeNamesTheOperatingModeExactly) {
    EXPECT_EQ(operatingModeFromCode("QUORAL"), 1);
    EXPECT_EQ(operatingModeFromCode("TOR"), 2);
    EXPECT_EQ(operatingModeFromCode("PMODE"), 3);
    EXPECT_EQ(operatingModeFromCode("BAUDOT"), 4);
    EXPECT_EQ(operatingModeFromCode("ASCII"), 5);
    EXPECT_EQ(operatingModeFromCode("PSK31"), 10);
    for (const char* other : {"AMTOR", "tor", "", "6", "QUORAL "})
        EXPECT_EQ(operatingModeFromCode(other), 1) << other;
}

TEST(SettingsWords, BroadcastStatesAndUnknownModesAreWrittenAsQuoral) {
    EXPECT_EQ(codeFromOperatingMode(2), "TOR");
    EXPECT_EQ(codeFromOperatingMode(10), "PSK31");
    for (int mode : {0, 6, 7, 8, 9, 11, -1})
        EXPECT_EQ(codeFromOperatingMode(mode), "QUORAL") << mode;
}

TEST(SettingsWords, PortNameIsComFollowedByTheDigits) {
    EXPECT_EQ(portNameFromComPort("3"), "COM3");
    EXPECT_EQ(portNameFromComPort("254"), "COM254");
    EXPECT_EQ(portNameFromComPort(""), "COM");
    EXPECT_EQ(comPortFromPortName("COM12"), "12");
    EXPECT_EQ(comPortFromPortName("COM"), "");
    EXPECT_EQ(comPortFromPortName("CO"), "");
}

TEST(SettingsWords, APortValueThatIsNotDigitsNamesNoPort) {
    for (const char* value : {"../../etc/passwd", "3a", "-3", "/dev/ttyS0", " 3"})
        EXPECT_EQ(portNameFromComPort(value), "COM") << value;
}

TEST(SettingsWords, ListenModeAndOnOffWordsAreExact) {
    EXPECT_EQ(listenModeFromListen("ON"), 2);
    EXPECT_EQ(listenModeFromListen("on"), 1);
    EXPECT_EQ(listenModeFromListen("OFF"), 1);
    EXPECT_TRUE(onOffValue("ON"));
    EXPECT_FALSE(onOffValue("On"));
    EXPECT_FALSE(onOffValue("YES"));
    EXPECT_EQ(onOffWord(true), "ON");
    EXPECT_EQ(onOffWord(false), "OFF");
}

TEST(SettingsWords, StrictDecimalTakesOnlyWholeSignedNumbersInRange) {
    EXPECT_EQ(strictDecimal("0"), 0);
    EXPECT_EQ(strictDecimal("-17"), -17);
    EXPECT_EQ(strictDecimal("+17"), 17);
    EXPECT_EQ(strictDecimal("2147483647"), 2147483647);
    EXPECT_EQ(strictDecimal("-2147483648"), -2147483647 - 1);
    for (const char* junk : {"", "+", "-", "+-1", "12abc", "1.5", "0x10", " 4", "4 ", "2147483648",
                             "99999999999999999999", "--1"})
        EXPECT_EQ(strictDecimal(junk), std::nullopt) << junk;
}

TEST(SettingsWords, CuttingToCapacityNeverSplitsAUtf8Character) {
    EXPECT_EQ(cutToCapacity("abcdef", 4), "abcd");
    EXPECT_EQ(cutToCapacity("abc", 4), "abc");
    // "é" is two bytes; cutting after its first byte would leave half of it.
    EXPECT_EQ(cutToCapacity("abc\xC3\xA9", 4), "abc");
    EXPECT_EQ(cutToCapacity("abc\xC3\xA9", 5), "abc\xC3\xA9");
}

} // namespace
} // namespace orvane
