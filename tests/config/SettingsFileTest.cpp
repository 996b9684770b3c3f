#include "SettingsTestSupport.h"

#include "config/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace orvane {
namespace {

using testing::fullHdContext;
using testing::withCrLf;

// The file a fresh installation writes, with the TX gain line of the newer hardware.
constexpr std::string_view kDefaultFile = R"([callsigns]
MYCALL=MYCALL
HISCALL=HISCALL
HISCALLLIST=HISCALL
MYCALL476=SCALL
HISCALL476=SCALL
HISCALL476LIST=SCALL
MYCALL625=SELCALL
HISCALL625=SELCALL
GROUPCALL=CQCQ

[system]
TXEnable=EN
TextEntry=WORD
EndOfLine=CR LF
ScanControl=CONT
CWID=OFF
AFChannel=4
EchoEnable=ON
Printer=OFF
PrintSquelchEnable=ON
PrintSquelchSetting=69
ComPort=
Listen=ON
RXGain=+0dB
TXGain=+0dB
FSKPol=NORM
StatusBar=ON
ToolBar=ON
Code=QUORAL
ReceiveStallSeconds=60

[fec]
FECMod=BPSM
FECCodeEff=60
FECBlockSize=60

[adaptive arq]
AutoBias=NORMAL
ConnectBias=ROBUST
NormalRetry=30
RobustRetry=10
FailRetry=20
ChatCount=1

[amtor]
A_TXEnable=ON
A_TextEntry=WORD
A_Polarity=NORM
A_EndOfLine=CR LF LTRS
A_WRU=OFF
A_TimeOut=32
A_TD=10
A_CD=50
A_LetterCase=U

[pmode]
P_TXEnable=ON
P_TextEntry=WORD
P_EndOfLine=CR LF
P_CSDelay=30
P_MaxDown=6
P_MaxUp=3
P_MaxTry=2
P_MaxError=80
P_MaxARQSum=30
P_FECRepeats=2
P_Huffman=ON

[baudot]
B_TXEnable=ON
B_TextEntry=WORD
B_Polarity=NORM
B_EndOfLine=CR LF LTRS
B_SyncIdle=ON
B_USOS=ON
B_Rate=45
B_CodeType=US
B_PTTON=20
B_PTTOFF=20
RXPolaritySameAsTX=ON

[ascii]
S_TXEnable=ON
S_TextEntry=WORD
S_Polarity=NORM
S_EndOfLine=CR LF
S_SyncIdle=ON
S_Rate=110
S_PTTON=20
S_PTTOFF=20

[fsk]
AMTORMark=2125
AMTORSpace=2295
AMTORCenter=2210
AMTORShift=170
BAUDOTMark=2125
BAUDOTSpace=2295
BAUDOTCenter=2210
BAUDOTShift=170
ASCIIMark=2125
ASCIISpace=2295
ASCIICenter=2210
ASCIIShift=170
PMODEFREQ1=2100
PMODEFREQ2=2300
PMODECenter=2200
PMODEShift=200
Polarity=NORM

[screen]
MainLeft=585
MainTop=345
MainWidth=750
MainHeight=390
TransmitHeight=50
AmpTune=OFF
AmpTuneLeft=451
AmpTuneTop=775
FreqTune=OFF
FreqTuneLeft=775
FreqTuneTop=775
QuoralStat=OFF
QuoralStatLeft=1059
QuoralStatTop=775
ReceiveFont=Fixedsys
ReceiveTextColor=Black
ReceiveTextSize=10
EchoTextColor=Red
ReceiveColor=White

TransmitFont=Fixedsys
TransmitTextColor=Black
TransmitTextSize=10
HighLightTextColor=Gray
TransmitColor=White
ReceiveScrollbackKB=4096

)";

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = std::filesystem::temp_directory_path() /
                ("orvane-settings-file-" + std::to_string(::getpid()));
        std::filesystem::remove_all(base_);
        std::filesystem::create_directories(base_ / "Config");
    }
    void TearDown() override { std::filesystem::remove_all(base_); }

    std::filesystem::path file() const { return settingsFilePath(base_); }

    std::filesystem::path base_;
};

TEST_F(SettingsFileTest, TheFileLiesInConfigUnderTheBaseDirectory) {
    EXPECT_EQ(file(), base_ / "Config" / "orvane.ini");
}

TEST_F(SettingsFileTest, AnAbsentFileGivesTheDefaultsAndSavesTheTemplateByteForByte) {
    const LoadedSettings loaded = LoadSettings(file(), fullHdContext());
    EXPECT_EQ(loaded.error, "");
    EXPECT_EQ(loaded.settings, Settings{});
    EXPECT_EQ(loaded.RXTextFontName, "Fixedsys");

    ConfigChanged changed;
    changed.set();
    ASSERT_TRUE(SaveSettings(file(), loaded.settings, loaded.layout, "800B", changed).ok());
    EXPECT_FALSE(changed.isSet());
    EXPECT_EQ(fileBytes(file()), withCrLf(kDefaultFile));
}

TEST_F(SettingsFileTest, OlderHardwareGetsNoTxGainLine) {
    std::string expected = withCrLf(kDefaultFile);
    expected.erase(expected.find("TXGain=+0dB\r\n"), std::string_view("TXGain=+0dB\r\n").size());

    const LoadedSettings loaded = LoadSettings(file(), fullHdContext());
    for (const char* hardware : {"", "8003", "800a"}) {
        ConfigChanged changed;
        ASSERT_TRUE(SaveSettings(file(), loaded.settings, loaded.layout, hardware, changed).ok());
        EXPECT_EQ(fileBytes(file()), expected) << hardware;
    }
    for (const char* hardware : {"800A", "8004"})
        EXPECT_EQ(settingsFileText(loaded.settings, loaded.layout, hardware),
                  withCrLf(kDefaultFile))
            << hardware;
}

TEST_F(SettingsFileTest, TheDefaultFileReadsBackAsTheDefaults) {
    const LoadedSettings loaded = loadSettingsFromText(withCrLf(kDefaultFile), fullHdContext());
    const LoadedSettings absent = loadSettingsFromText("", fullHdContext());
    EXPECT_EQ(loaded.settings, absent.settings);
    EXPECT_EQ(loaded.layout, absent.layout);
}

// Every field away from its default, so that a key the writer or the reader
// forgets shows up as a difference.
Settings everyFieldChanged() {
    Settings s;
    s.MYCALL = "G4XYZ";
    s.HISCALL = "W1AW";
    s.HISCALLLIST = R"("W1 AW",K2XX,"A,B")";
    s.MYCALL476 = "GXYZ";
    s.HISCALL476 = "WAWW";
    s.HISCALL476LIST = "WAWW,KXXK";
    s.MYCALL625 = "GXYZQ";
    s.HISCALL625 = "WAWWQ";
    s.GROUPCALL = "QSTQST";
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
    s.PortName = "COM12";
    s.Listen = "OFF";
    s.RXGain = 27;
    s.TXGain = 35;
    s.FSKPol = "REV";
    s.StatusBar = false;
    s.ToolBar = false;
    s.Code = 10;
    s.ReceiveStallSeconds = 90;
    s.FECMod = "16P4A";
    s.FECCodeEff = 61;
    s.FECBlockSize = 255;
    s.AutoBias = "FASTEST";
    s.ConnectBias = "NORMAL";
    s.NormalRetry = 31;
    s.RobustRetry = 11;
    s.FailRetry = 21;
    s.ChatCount = 2;
    s.A_TXEnable = "OFF";
    s.A_TextEntry = "CHAR";
    s.A_Polarity = "REV";
    s.A_EndOfLine = "CR CR LF";
    s.A_WRU = "ON";
    s.A_TimeOut = 33;
    s.A_TD = 11;
    s.A_CD = 51;
    s.A_LetterCase = 'L';
    s.P_TXEnable = "OFF";
    s.P_TextEntry = "LINE";
    s.P_EndOfLine = "CR";
    s.P_CSDelay = 31;
    s.P_MaxDown = 7;
    s.P_MaxUp = 4;
    s.P_MaxTry = 3;
    s.P_MaxError = 81;
    s.P_MaxARQSum = 31;
    s.P_FECRepeats = 3;
    s.P_Huffman = "OFF";
    s.B_TXEnable = "OFF";
    s.B_TextEntry = "CHAR";
    s.B_Polarity = "REV";
    s.B_EndOfLine = "CR";
    s.B_SyncIdle = "OFF";
    s.B_USOS = "OFF";
    s.B_Rate = 75;
    s.B_CodeType = "No2";
    s.B_PTTON = 21;
    s.B_PTTOFF = 22;
    s.RXPolaritySameAsTX = false;
    s.S_TXEnable = "OFF";
    s.S_TextEntry = "LINE";
    s.S_Polarity = "REV";
    s.S_EndOfLine = "CR";
    s.S_SyncIdle = "OFF";
    s.S_Rate = 100;
    s.S_PTTON = 23;
    s.S_PTTOFF = 24;
    s.AMTORMark = 1000;
    s.AMTORSpace = 1001;
    s.AMTORCenter = 1002;
    s.AMTORShift = 1003;
    s.BAUDOTMark = 1004;
    s.BAUDOTSpace = 1005;
    s.BAUDOTCenter = 1006;
    s.BAUDOTShift = 1007;
    s.ASCIIMark = 1008;
    s.ASCIISpace = 1009;
    s.ASCIICenter = 1010;
    s.ASCIIShift = 1011;
    s.PMODEFREQ1 = 1012;
    s.PMODEFREQ2 = 1013;
    s.PMODECenter = 1014;
    s.PMODEShift = -1015;
    s.Polarity = "REV";
    s.ReceiveFont = "DejaVu Sans Mono";
    s.ReceiveTextColor = "Navy";
    s.ReceiveTextSize = 250;
    s.EchoTextColor = "red";
    s.ReceiveColor = "Silver";
    s.TransmitFont = "Liberation Mono";
    s.TransmitTextColor = "Teal";
    s.TransmitTextSize = 2;
    s.HighLightTextColor = "Lime";
    s.TransmitColor = "Yellow";
    s.ReceiveScrollbackKB = 512;
    return s;
}

ScreenLayout everyPlacementChanged() {
    return {.MainLeft = -1280,
            .MainTop = 7,
            .MainWidth = 1001,
            .MainHeight = 702,
            .TransmitHeight = 88,
            .AmpTune = true,
            .AmpTuneLeft = 11,
            .AmpTuneTop = 12,
            .FreqTune = true,
            .FreqTuneLeft = 13,
            .FreqTuneTop = 14,
            .QuoralStat = true,
            .QuoralStatLeft = 15,
            .QuoralStatTop = 16};
}

TEST_F(SettingsFileTest, WhatIsSavedLoadsBackUnchanged) {
    const Settings settings = everyFieldChanged();
    const ScreenLayout layout = everyPlacementChanged();
    ConfigChanged changed;
    ASSERT_TRUE(SaveSettings(file(), settings, layout, "800B", changed).ok());

    SettingsLoadContext otherScreen;
    otherScreen.Screen = {.ScreenWidth = 800, .ScreenHeight = 600};
    otherScreen.TransmitFontName = "Courier";
    const LoadedSettings loaded = LoadSettings(file(), otherScreen);
    EXPECT_EQ(loaded.settings, settings);
    EXPECT_EQ(loaded.layout, layout);
    // And saving again changes nothing.
    EXPECT_EQ(settingsFileText(loaded.settings, loaded.layout, "800B"), fileBytes(file()));
}

TEST_F(SettingsFileTest, TheRoundTripObjectReallyDiffersInEveryKey) {
    const std::string changed =
        settingsFileText(everyFieldChanged(), everyPlacementChanged(), "800B");
    std::istringstream defaults(settingsFileText(Settings{}, ScreenLayout{}, "800B"));
    std::string line;
    while (std::getline(defaults, line)) {
        if (line.find('=') != std::string::npos) {
            EXPECT_EQ(changed.find("\n" + line + "\n"), std::string::npos) << line;
        }
    }
}

} // namespace
} // namespace orvane
