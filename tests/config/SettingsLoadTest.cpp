#include "SettingsTestSupport.h"

#include "config/SettingsFile.h"
#include "config/SettingsWords.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace orvane {
namespace {

using namespace std::string_literals;
using testing::fullHdContext;

LoadedSettings load(const std::string& text) {
    return loadSettingsFromText(text, fullHdContext());
}

// Loads the text and writes it back for the newer hardware.
std::string resaved(const std::string& text) {
    const LoadedSettings loaded = load(text);
    return settingsFileText(loaded.settings, loaded.layout, "800B");
}

bool writesLine(const std::string& file, const std::string& line) {
    return file.find("\r\n" + line + "\r\n") != std::string::npos;
}

TEST(SettingsLoad, OldDigitGainsReadAsTheirTextsAndAreWrittenAsTexts) {
    EXPECT_EQ(load("[system]\nRXGain=2\n").settings.RXGain, 2);
    EXPECT_TRUE(writesLine(resaved("[system]\nRXGain=2\n"), "RXGain=+6dB"));
    EXPECT_TRUE(writesLine(resaved("[system]\nRXGain=3\n"), "RXGain=+12dB"));
    for (const char* spelling : {"0dB", "-0dB", "1"}) {
        const std::string text = "[system]\nRXGain="s + spelling + "\n";
        EXPECT_EQ(load(text).settings.RXGain, 1) << spelling;
        EXPECT_TRUE(writesLine(resaved(text), "RXGain=+0dB")) << spelling;
    }
}

TEST(SettingsLoad, AGainTextInNoRowLeavesTheCodeAtZero) {
    const LoadedSettings loaded = load("[system]\nRXGain=+7dB\nTXGain=+6dB\n");
    EXPECT_EQ(loaded.settings.RXGain, 0);
    EXPECT_EQ(loaded.settings.TXGain, 0);
    const std::string file = resaved("[system]\nRXGain=+7dB\nTXGain=+6dB\n");
    EXPECT_TRUE(writesLine(file, "RXGain=+0dB"));
    EXPECT_EQ(file.find("TXGain="), std::string::npos); // code 0 has no TX text
    EXPECT_EQ(load("[system]\nRXGain=\nTXGain=\n").settings.RXGain, 0);
}

TEST(SettingsLoad, TxGainReadsItsTextAndAbsentMeansNoGain) {
    EXPECT_EQ(load("[system]\nTXGain=-36dB\n").settings.TXGain, 32);
    EXPECT_EQ(load("").settings.TXGain, 40);
    EXPECT_TRUE(writesLine(resaved("[system]\nTXGain=-9dB\n"), "TXGain=-9dB"));
}

TEST(SettingsLoad, CodeNamesTheModeAndOnlyTorNamesAmtor) {
    EXPECT_EQ(load("[system]\nCode=PSK31\n").settings.Code, 10);
    EXPECT_EQ(load("[system]\nCode=AMTOR\n").settings.Code, 1);
    EXPECT_EQ(load("[system]\nCode=TOR\n").settings.Code, 2);
    EXPECT_EQ(load("[system]\nCode=\n").settings.Code, 1);
    EXPECT_EQ(load("[system]\nCode=baudot\n").settings.Code, 1);
}

TEST(SettingsLoad, WithoutAPositionTheMainWindowIsCentredAtItsStoredSize) {
    const ScreenLayout layout = load("[screen]\nMainWidth=1000\nMainHeight=601\n").layout;
    EXPECT_EQ(layout.MainWidth, 1000);
    EXPECT_EQ(layout.MainHeight, 601);
    EXPECT_EQ(layout.MainLeft, 960 - 500);
    EXPECT_EQ(layout.MainTop, 540 - 300);
    // A stored position wins.
    EXPECT_EQ(load("[screen]\nMainWidth=1000\nMainLeft=-5\n").layout.MainLeft, -5);
}

TEST(SettingsLoad, DefaultPlacementsHalveTowardZero) {
    SettingsLoadContext odd;
    odd.Screen = {.ScreenWidth = 1023, .ScreenHeight = 767, .AmpTuneWidth = 301};
    const ScreenLayout layout = loadSettingsFromText("[screen]\nMainWidth=-751\n", odd).layout;
    EXPECT_EQ(layout.MainLeft, 511 - (-375));
    EXPECT_EQ(layout.MainTop, 383 - 195);
    // The row of monitoring windows: 301 + 0 + 0 wide with two gaps of 24.
    EXPECT_EQ(layout.AmpTuneLeft, 511 - 174);
    EXPECT_EQ(layout.AmpTuneTop, 188 + 390 + 40);
    EXPECT_EQ(layout.FreqTuneLeft, 511 - 174 + 301 + 24);
}

// The first time, the three monitoring windows open side by side on the
// screen, clear of one another and, where there is room, of the main window.
TEST(SettingsLoad, MonitorWindowsFirstOpenSideBySide) {
    struct Box {
        int left, top, width, height;
        bool overlaps(const Box& o) const {
            return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
                   o.top < top + height;
        }
    };
    const struct {
        int screenWidth, screenHeight;
        const char* file;
        bool clearOfMain;
    } rows[] = {
        {1920, 1080, "", true},
        {1280, 800, "", true},
        {1024, 600, "", false}, // no room below: at half the height, still on the screen
        {1280, 800, "[screen]\nMainTop=24\nMainHeight=533\n", true}, // below where it stands
    };
    for (const auto& row : rows) {
        SettingsLoadContext context;
        context.Screen = {row.screenWidth, row.screenHeight, 190, 250, 420, 150};
        const ScreenLayout l = loadSettingsFromText(row.file, context).layout;
        const Box amp{l.AmpTuneLeft, l.AmpTuneTop, 190, 150};
        const Box freq{l.FreqTuneLeft, l.FreqTuneTop, 250, 150};
        const Box stats{l.QuoralStatLeft, l.QuoralStatTop, 420, 150};
        const Box main{l.MainLeft, l.MainTop, l.MainWidth, l.MainHeight};
        EXPECT_FALSE(amp.overlaps(freq) || freq.overlaps(stats) || amp.overlaps(stats))
            << row.screenWidth;
        EXPECT_GE(amp.left, 0);
        EXPECT_LE(stats.left + stats.width, row.screenWidth);
        EXPECT_LE(amp.top + amp.height, row.screenHeight);
        EXPECT_EQ(!main.overlaps(amp), row.clearOfMain) << row.screenWidth;
    }
}

TEST(SettingsLoad, ThePortNumberBecomesThePortNameAndBack) {
    const LoadedSettings loaded = load("[system]\nComPort=3\n");
    EXPECT_EQ(loaded.settings.PortName, "COM3");
    EXPECT_TRUE(writesLine(resaved("[system]\nComPort=3\n"), "ComPort=3"));
    EXPECT_EQ(load("[system]\nComPort=\n").settings.PortName, "COM");
    EXPECT_EQ(load("[system]\nComPort=../../x\n").settings.PortName, "COM");
}

TEST(SettingsLoad, LetterCaseKeepsTheFirstCharacterAndEmptyIsUpper) {
    EXPECT_EQ(load("[amtor]\nA_LetterCase=Lower\n").settings.A_LetterCase, 'L');
    EXPECT_TRUE(writesLine(resaved("[amtor]\nA_LetterCase=Lower\n"), "A_LetterCase=L"));
    EXPECT_EQ(load("[amtor]\nA_LetterCase=\n").settings.A_LetterCase, 'U');
}

TEST(SettingsLoad, AHiddenMonitoringWindowStillHasItsPositionWritten) {
    const std::string file = resaved("[screen]\nFreqTune=OFF\nFreqTuneLeft=17\nFreqTuneTop=18\n");
    EXPECT_TRUE(writesLine(file, "FreqTune=OFF\r\nFreqTuneLeft=17\r\nFreqTuneTop=18"));
    EXPECT_TRUE(load("[screen]\nAmpTune=ON\n").layout.AmpTune);
    EXPECT_FALSE(load("[screen]\nAmpTune=on\n").layout.AmpTune);
}

TEST(SettingsLoad, EmptyValuesAreTakenExceptWhereThereIsNoEmptyValue) {
    const Settings s = load("[callsigns]\nMYCALL=\n[system]\nCWID=\nAFChannel=\nStatusBar=\n"
                            "[screen]\nReceiveTextSize=\n")
                           .settings;
    EXPECT_EQ(s.MYCALL, "");
    EXPECT_EQ(s.CWID, "");
    EXPECT_EQ(s.AFChannel, 4);
    EXPECT_FALSE(s.StatusBar);
    EXPECT_EQ(s.ReceiveTextSize, 10);
}

TEST(SettingsLoad, NumbersThatAreNotDecimalIntegersGiveTheDefault) {
    const Settings s = load("[system]\nAFChannel=3x\nPrintSquelchSetting=99999999999\n"
                            "[fec]\nFECCodeEff=0x10\nFECBlockSize=-12\n"
                            "[adaptive arq]\nNormalRetry=+7\nRobustRetry=1.5\n")
                           .settings;
    EXPECT_EQ(s.AFChannel, 4);
    EXPECT_EQ(s.PrintSquelchSetting, 69);
    EXPECT_EQ(s.FECCodeEff, 60);
    EXPECT_EQ(s.FECBlockSize, -12);
    EXPECT_EQ(s.NormalRetry, 7);
    EXPECT_EQ(s.RobustRetry, 10);
}

TEST(SettingsLoad, WordsAndBooleansAreCaseSensitiveAndKeptAsWritten) {
    const Settings s = load("[system]\nTXEnable=en\nStatusBar=On\nListen=off\n"
                            "[baudot]\nRXPolaritySameAsTX=ON\n")
                           .settings;
    EXPECT_EQ(s.TXEnable, "en");
    EXPECT_FALSE(s.StatusBar);
    EXPECT_EQ(s.Listen, "off");
    EXPECT_EQ(listenModeFromListen(s.Listen), 1);
    EXPECT_TRUE(s.RXPolaritySameAsTX);
}

TEST(SettingsLoad, CallSignsAndOtherTextsAreCutToTheirCapacity) {
    const std::string longText(5000, 'A');
    std::string text = "[callsigns]\n";
    for (const char* key : {"MYCALL", "HISCALL", "HISCALLLIST", "MYCALL476", "HISCALL476",
                            "HISCALL476LIST", "MYCALL625", "HISCALL625", "GROUPCALL"})
        text += key + "="s + longText + "\n";
    text += "[screen]\nReceiveFont=" + longText + "\nRXTextFontName=" + longText + "\n";
    const LoadedSettings loaded = load(text);
    const Settings& s = loaded.settings;
    EXPECT_EQ(s.MYCALL.size(), 30u);
    EXPECT_EQ(s.HISCALL.size(), 30u);
    EXPECT_EQ(s.HISCALLLIST.size(), 1023u);
    EXPECT_EQ(s.MYCALL476.size(), 15u);
    EXPECT_EQ(s.HISCALL476.size(), 15u);
    EXPECT_EQ(s.HISCALL476LIST.size(), 1023u);
    EXPECT_EQ(s.MYCALL625.size(), 15u);
    EXPECT_EQ(s.HISCALL625.size(), 15u);
    EXPECT_EQ(s.GROUPCALL.size(), 2047u);
    EXPECT_EQ(s.ReceiveFont.size(), 2047u);
    EXPECT_EQ(loaded.RXTextFontName.size(), 2047u);
}

TEST(SettingsLoad, TheFontsDefaultToWhatThePanesShowWhenTheFileIsRead) {
    SettingsLoadContext context = fullHdContext();
    context.TransmitFontName = "Monospace";
    const LoadedSettings loaded =
        loadSettingsFromText("[screen]\nRXTextFontName=Terminus\n", context);
    EXPECT_EQ(loaded.RXTextFontName, "Terminus");
    EXPECT_EQ(loaded.settings.ReceiveFont, "Terminus");
    EXPECT_EQ(loaded.settings.TransmitFont, "Monospace");
    // RXTextFontName is read, never written.
    EXPECT_EQ(settingsFileText(loaded.settings, loaded.layout, "").find("RXTextFontName"),
              std::string::npos);
}

TEST(SettingsLoad, KeysInTheWrongSectionAreNotSeen) {
    const Settings s =
        load("[amtor]\nMYCALL=G4XYZ\nB_Rate=50\n[Callsigns]\nHISCALL=W1AW\n").settings;
    EXPECT_EQ(s.MYCALL, "MYCALL");
    EXPECT_EQ(s.B_Rate, 45);
    EXPECT_EQ(s.HISCALL, "W1AW");
}

TEST(SettingsLoad, AMalformedFileLoadsWithTheKeysItDoesHold) {
    std::string text = "\xEF\xBB\xBF garbage line\n[system]\nAFChannel=2\nAFChannel=3\n";
    text += std::string(200000, '=') + "\n";
    for (int i = 0; i < 4096; ++i)
        text += static_cast<char>((i * 37) & 0xFF);
    text += "\n[fec]\nFECMod=8PSM\0junk\n"s;
    text += "[pmode]\nP_MaxUp=" + std::string(3000, '9') + "\n[baudot]\nB_Rate=50"; // no final LF
    const Settings s = load(text).settings;
    EXPECT_EQ(s.AFChannel, 2); // first occurrence
    EXPECT_EQ(s.FECMod, "8PSM");
    EXPECT_EQ(s.P_MaxUp, 3);
    EXPECT_EQ(s.B_Rate, 50);
    EXPECT_EQ(s.MYCALL, "MYCALL"); // sections missing altogether
    EXPECT_EQ(s.S_Rate, 110);
}

TEST(SettingsLoad, AFileThatExistsButCannotBeReadIsReportedAndTheDefaultsUsed) {
    const auto directory = std::filesystem::temp_directory_path() /
                           ("orvane-settings-load-" + std::to_string(::getpid()));
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory / "orvane.ini"); // a directory in its place
    const LoadedSettings loaded = LoadSettings(directory / "orvane.ini", fullHdContext());
    EXPECT_EQ(loaded.settings, Settings{});
    EXPECT_EQ(loaded.error.rfind("Unable to read configuration\n\n", 0), 0u) << loaded.error;
    EXPECT_NE(loaded.error.find("Is a directory"), std::string::npos) << loaded.error;

    // A missing file is no error, and nor is a missing directory chain.
    EXPECT_EQ(LoadSettings(directory / "absent.ini", fullHdContext()).error, "");
    std::ofstream(directory / "plain").put('x');
    EXPECT_EQ(LoadSettings(directory / "plain" / "orvane.ini", fullHdContext()).error, "");
    std::filesystem::remove_all(directory);
}

} // namespace
} // namespace orvane
