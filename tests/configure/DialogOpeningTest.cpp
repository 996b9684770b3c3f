#include "configure/DialogOpening.h"
#include "config/SettingDescriptor.h"
#include "config/Settings.h"
#include "config/SettingsFile.h"
#include "configure/CallSignList.h"
#include "configure/HereIsMessages.h"
#include "configure/InputRules.h"
#include "configure/TakeIntoSettings.h"
#include "e2e/ChildProcess.h"
#include "modes/ModeContext.h"

#include <gtest/gtest.h>

#include <functional>

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
    using S = Settings;
    Settings settings;
    settings.AMTORMark = 2000;
    settings.AMTORCenter = 1;
    settings.TextEntry = "char";
    settings.AutoBias = "SLOW"; // no button stands for it: none is checked
    settings.AFChannel = 7;
    settings.PortName = "\\\\.\\COM3";
    ConfigDialogValues values;
    values.settings.text(&S::AutoBias) = "FAST";
    OpeningFacts facts;
    facts.ports = {{"COM1", "/dev/ttyS0"}, {"COM3", "/dev/ttyS2"}};
    facts.mode = OperatingMode::Amtor;
    facts.linkUp = true;
    facts.txEnabled = false;
    fillDialogValues(values, settings, facts);

    const SettingControls& shown = values.settings;
    EXPECT_EQ(shown.text(&S::AMTORMark), "2000");
    EXPECT_EQ(shown.text(&S::AMTORCenter), "2147");
    EXPECT_EQ(shown.text(&S::AMTORShift), "295");
    EXPECT_EQ(settings.AMTORCenter, 2147);
    EXPECT_EQ(settings.AMTORShift, 295);
    EXPECT_EQ(shown.text(&S::TextEntry), "CHAR");
    EXPECT_EQ(shown.text(&S::AutoBias), "");
    EXPECT_EQ(shown.text(&S::AFChannel), "");
    EXPECT_EQ(values.general.port, "COM3");
    EXPECT_EQ(shown.text(&S::A_TXEnable), "OFF"); // the mode's button, not the stored "ON"
    EXPECT_EQ(shown.text(&S::B_TXEnable), "ON");
    EXPECT_EQ(values.activePage, Control::DialogAmtorPage);
    EXPECT_TRUE(values.editLocked);
    EXPECT_FALSE(values.callSignsEnabled);
}

TEST(DialogOpening, DefaultsRefreshOnlyTheirControls) {
    using S = Settings;
    Settings settings;
    settings.CWID = "ON";
    settings.MYCALL = "DL1ABC";
    settings.B_Rate = 75;
    settings.FECMod = "8PSM";
    ConfigDialogValues values;
    OpeningFacts facts;
    fillDialogValues(values, settings, facts);
    values.settings.text(&S::PrintSquelchSetting) = "40";
    values.messages.hereIs = "text";
    showFactoryDefaults(values, settings, facts);
    const SettingControls& shown = values.settings;
    EXPECT_EQ(shown.text(&S::CWID), "OFF");
    EXPECT_EQ(shown.text(&S::B_Rate), "45");
    EXPECT_EQ(values.messages.myCall, "DL1ABC");
    EXPECT_EQ(values.messages.hereIs, "");
    EXPECT_EQ(shown.text(&S::PrintSquelchSetting), "40"); // kept: the apply takes it back
    EXPECT_EQ(shown.text(&S::FECMod), "8PSM");
    EXPECT_EQ(settings.PrintSquelchSetting, 68);
    EXPECT_EQ(settings.S_SyncIdle, "OFF");
}

struct UnchangedRow {
    const char* what;
    std::function<void(Settings&)> change;
    OperatingMode mode;
    bool txEnabled;
    bool listening;
};

// Opening the dialog and pressing OK without touching a control leaves
// every setting, and so every byte of the file, as it was.
TEST(DialogOpening, ClosingWithoutAChangeKeepsEverySetting) {
    const UnchangedRow rows[] = {
        {"the defaults in Quoral, which does not listen", [](Settings&) {}, OperatingMode::Quoral,
         false, false},
        {"the defaults in P-Mode while listening", [](Settings&) {}, OperatingMode::PMode, true,
         true},
        {"every word at its other choice",
         [](Settings& s) {
             s.TXEnable = "OFF";
             s.TextEntry = "LINE";
             s.EndOfLine = "CR";
             s.ScanControl = "PULSE";
             s.CWID = "ON";
             s.AFChannel = 2;
             s.EchoEnable = "OFF";
             s.Printer = "ON";
             s.PrintSquelchEnable = "OFF";
             s.PrintSquelchSetting = 12;
             s.Listen = "OFF";
             s.FSKPol = "REV";
             s.StatusBar = false;
             s.FECMod = "16P4A";
             s.FECBlockSize = 255;
             s.AutoBias = "FASTEST";
             s.ConnectBias = "NORMAL";
             s.NormalRetry = 31;
             s.A_TXEnable = "OFF";
             s.A_TextEntry = "CHAR";
             s.A_Polarity = "REV";
             s.A_EndOfLine = "CR CR LF";
             s.A_WRU = "ON";
             s.A_LetterCase = 'L';
             s.P_EndOfLine = "CR";
             s.P_Huffman = "OFF";
             s.B_USOS = "OFF";
             s.B_Rate = 75;
             s.B_CodeType = "No2";
             s.S_SyncIdle = "OFF";
             s.S_EndOfLine = "CR";
             s.BAUDOTMark = 1000;
             s.BAUDOTSpace = 1200;
             s.BAUDOTCenter = 1100;
             s.BAUDOTShift = 200;
         },
         OperatingMode::Amtor, false, false},
        {"values no control can show",
         [](Settings& s) {
             s.AutoBias = "SLOW";
             s.AFChannel = 7;
             s.B_Rate = 47;
             s.CWID = "maybe";
             s.A_LetterCase = 'x';
             s.NormalRetry = -5;
             s.FECBlockSize = -12;
         },
         OperatingMode::Baudot, true, false},
    };
    for (const UnchangedRow& row : rows) {
        Settings settings;
        row.change(settings);
        const std::string before = settingsFileText(settings, ScreenLayout{}, "8004");
        OpeningFacts facts;
        facts.hardwareVersion = "8004";
        facts.mode = row.mode;
        facts.txEnabled = row.txEnabled;
        facts.listening = row.listening;
        ConfigDialogValues values;
        fillDialogValues(values, settings, facts);
        Psk31Choices psk31;
        CrcMask crcMask;
        takeDialogValues(values, settings, true, psk31, crcMask);
        EXPECT_EQ(settingsFileText(settings, ScreenLayout{}, "8004"), before) << row.what;
    }
}

// The table itself: what a setting starts with and what Defaults gives it
// are among its words and within its range.
TEST(SettingsTable, DefaultsAndFactoryValuesAreAllowed) {
    Settings defaults;
    Settings factory;
    setFactoryValues(factory);
    for (const SettingDescriptor& setting : settingDescriptors()) {
        if (!std::holds_alternative<std::string Settings::*>(setting.Field) &&
            !std::holds_alternative<int Settings::*>(setting.Field) &&
            !std::holds_alternative<bool Settings::*>(setting.Field) &&
            !std::holds_alternative<char Settings::*>(setting.Field))
            continue;
        EXPECT_TRUE(isAllowed(setting, defaults))
            << setting.Name << " " << fieldText(setting, defaults);
        EXPECT_TRUE(isAllowed(setting, factory))
            << setting.Name << " " << fieldText(setting, factory);
        if (setting.Control.Kind == ControlKind::Buttons) {
            EXPECT_FALSE(setting.Words.front().empty()) << setting.Name;
            for (std::size_t i = 0; i < kMaxWords; ++i)
                EXPECT_EQ(setting.Words[i].empty(), setting.Control.Buttons[i].Name.empty())
                    << setting.Name << " button " << i;
        }
    }
}

TEST(InputRules, NumbersAreDigitsWithinTheRange) {
    const std::tuple<std::string, NumberRange, bool> rows[] = {
        {"", kByteRange, true},       {"255", kByteRange, true},
        {"256", kByteRange, false},   {"-1", kByteRange, false},
        {"12a", kByteRange, false},   {"65535", kToneRange, true},
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
