#include "config/Settings.h"
#include "config/dialog/CallSignList.h"
#include "config/dialog/DialogOpening.h"
#include "config/dialog/HereIsMessages.h"
#include "config/dialog/InputRules.h"
#include "e2e/ChildProcess.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Items = std::vector<std::string>;

struct GainRow {
    std::string hardware;
    int rxCode, txCode;
    Items rxItems;
    std::string rxShown;
    bool txShown;
    std::string txText;
    int rxCodeAfter, txCodeAfter;
};

TEST(DialogOpening, GainListsFollowTheHardwareAndReplaceCodesTheyCannotShow) {
    const Items newer{"-12dB", "-9dB", "-6dB", "-3dB", "+0dB", "+3dB", "+6dB", "+9dB", "+12dB"};
    const Items older{"+0dB", "+6dB", "+12dB"};
    const GainRow rows[] = {
        {"8004", 25, 40, newer, "+3dB", true, "+0dB", 25, 40},
        {"800B", 16, 12, newer, "+0dB", true, "-9dB", 1, 37},
        {"8001", 25, 40, older, "+0dB", false, "", 1, 40},
        {"8001", 2, 40, older, "+6dB", false, "", 2, 40},
    };
    for (const GainRow& row : rows) {
        Settings settings;
        settings.RXGain = row.rxCode;
        settings.TXGain = row.txCode;
        ConfigDialogValues values;
        OpeningFacts facts;
        facts.hardwareVersion = row.hardware;
        fillDialogValues(values, settings, facts);
        EXPECT_EQ(values.general.rxGainItems, row.rxItems) << row.hardware;
        EXPECT_EQ(values.general.rxGain, row.rxShown) << row.hardware << " " << row.rxCode;
        EXPECT_EQ(values.general.txGainShown, row.txShown);
        if (row.txShown) {
            EXPECT_EQ(values.general.txGain, row.txText);
        }
        EXPECT_EQ(settings.RXGain, row.rxCodeAfter);
        EXPECT_EQ(settings.TXGain, row.txCodeAfter);
    }
}

TEST(DialogOpening, FillsFromTheSettingsAndStoresTheToneLabels) {
    Settings settings;
    settings.AMTORMark = 2000;
    settings.AMTORCenter = 1;
    settings.TextEntry = "char";
    settings.AutoBias = "SLOW"; // no button: the group keeps its choice
    settings.AFChannel = 7;
    settings.PortName = "\\\\.\\COM3";
    ConfigDialogValues values;
    values.quoral.autoBias = "FAST";
    OpeningFacts facts;
    facts.ports = {{"COM1", "/dev/ttyS0"}, {"COM3", "/dev/ttyS2"}};
    facts.mode = OperatingMode::Amtor;
    facts.linkUp = true;
    facts.txEnabled = false;
    fillDialogValues(values, settings, facts);

    EXPECT_EQ(values.amtor.tones, (ToneValues{"2000", "2295", 2147, 295}));
    EXPECT_EQ(settings.AMTORCenter, 2147);
    EXPECT_EQ(settings.AMTORShift, 295);
    EXPECT_EQ(values.quoral.textEntry, "CHAR");
    EXPECT_EQ(values.quoral.autoBias, "FAST");
    EXPECT_EQ(values.quoral.afChannel, 4);
    EXPECT_EQ(values.general.port, "COM3");
    EXPECT_FALSE(values.amtor.txEnable); // the mode's button, not the stored "ON"
    EXPECT_TRUE(values.baudot.txEnable);
    EXPECT_EQ(values.activePage, page::Amtor);
    EXPECT_TRUE(values.editLocked);
    EXPECT_FALSE(values.callSignsEnabled);
}

TEST(DialogOpening, DefaultsRefreshOnlyTheirControls) {
    Settings settings;
    settings.CWID = "ON";
    settings.MYCALL = "DL1ABC";
    settings.B_Rate = 75;
    settings.FECMod = "8PSM";
    ConfigDialogValues values;
    OpeningFacts facts;
    fillDialogValues(values, settings, facts);
    values.general.printSquelchLevel = 40;
    values.messages.hereIs = "text";
    showFactoryDefaults(values, settings, facts);
    EXPECT_FALSE(values.general.cwidOn);
    EXPECT_EQ(values.baudot.rate, "45");
    EXPECT_EQ(values.messages.myCall, "DL1ABC");
    EXPECT_EQ(values.messages.hereIs, "");
    EXPECT_EQ(values.general.printSquelchLevel, 40);  // kept: the apply takes it back
    EXPECT_EQ(values.quoral.fecModulation, "8PSM");
    EXPECT_EQ(settings.PrintSquelchSetting, 68);
    EXPECT_EQ(settings.S_SyncIdle, "OFF");
}

TEST(InputRules, NumbersAreDigitsWithinTheRange) {
    const std::tuple<std::string, NumberRange, bool> rows[] = {
        {"", kByteRange, true},      {"255", kByteRange, true}, {"256", kByteRange, false},
        {"-1", kByteRange, false},   {"12a", kByteRange, false}, {"65535", kToneRange, true},
        {"65536", kToneRange, false}, {"99999999999", kToneRange, false},
    };
    for (const auto& [text, range, accepted] : rows)
        EXPECT_EQ(acceptsNumberText(text, range), accepted) << text;
    EXPECT_EQ(leadingNumber("45 baud"), 45);
    EXPECT_EQ(leadingNumber("x45"), 0);
    EXPECT_EQ(leadingNumber("99999999999"), 2147483647);
}

TEST(InputRules, CallSignsAreTypedUpperCaseAndCut) {
    EXPECT_EQ(callSignInput("dl1abc/p", kCallSignCapacity), "DL1ABC/P");
    EXPECT_EQ(callSignInput("a b,c\"d\xc3\xa4", kCallSignCapacity), "ABCD");
    EXPECT_EQ(callSignInput("abcdefghijklmnopq", kSelectiveCallCapacity), "ABCDEFGHIJKLMNO");
}

TEST(CallSignList, SplitsAndJoinsTheListSyntax) {
    EXPECT_EQ(splitCallList("W1AW,DL1ABC \"G4 XYZ\",\"A,B\""),
              (Items{"W1AW", "DL1ABC", "G4 XYZ", "A,B"}));
    const Items items{"W1AW", "G4 XYZ", "A\"B", ""};
    EXPECT_EQ(joinCallList(items), "W1AW,\"G4 XYZ\",\"A\"\"B\",\"\"");
    EXPECT_EQ(splitCallList(joinCallList(items)), items);
}

TEST(HereIsMessages, NumbersWrapThroughWruAndMissingFilesAreCreated) {
    EXPECT_EQ(hereIsNumberAfterStep("9", 1), "WRU");
    EXPECT_EQ(hereIsNumberAfterStep("WRU", 1), "0");
    EXPECT_EQ(hereIsNumberAfterStep("0", -1), "WRU");
    testing::TempDir dir;
    EXPECT_EQ(loadHereIsMessage(dir.path(), "7"), "Here is #7");
    EXPECT_EQ(testing::readFile(dir.path() / "hereis7.txt"), "Here is #7");
    EXPECT_EQ(loadHereIsMessage(dir.path(), "WRU"), "WRU");
    EXPECT_EQ(loadHereIsMessage(dir.path() / "missing", "1"), "");
    EXPECT_FALSE(saveHereIsMessage(dir.path(), "12", "x"));
}

} // namespace
} // namespace orvane
