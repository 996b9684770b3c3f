#include "modes/ModeFixture.h"

#include <algorithm>

namespace orvane::testing {
namespace {

using QuoralSetupTest = ModeFixture;

std::string autoBiasPart(const RecordingSink& sink) {
    // Between FSK_POL_NORM and QUORAL_NORMAL_RETRY.
    const std::string hex = sink.hex();
    const std::string polarity = hexOf("80 DB") + " ";
    const std::size_t from = hex.find(polarity) + polarity.size();
    return hex.substr(from, hex.find(hexOf("80 61 80 1E")) - from);
}

TEST_F(QuoralSetupTest, ShapesTheWindowForQuoral) {
    surface.mainWindowVisible = true;
    terminal.callTyped = true;
    link.operatingMode = OperatingMode::Baudot;
    settings.TextEntry = "char";
    settings.MYCALL = "DL1ABC";
    settings.HISCALL = "G4XYZ";
    runner.runSetup(OperatingMode::Quoral);
    playQueued();

    EXPECT_EQ(surface.panel(0), "QUORAL");
    EXPECT_EQ(surface.panel(1), "STBY");
    for (int index : {2, 3, 4, 5, 7})
        EXPECT_EQ(surface.panel(index), "") << index;
    EXPECT_EQ(surface.panel(6), "char");

    const std::map<std::string, bool> checks{{"mnuCodeQuoral", true}, {"mnuCodeAmtor", false},
                                             {"mnuCodePMode", false}, {"mnuCodeBaudot", false},
                                             {"mnuCodeAscii", false}, {"mnuCodePSK31", false}};
    EXPECT_EQ(surface.checked, checks);
    EXPECT_EQ(surface.enabled["mnuFilesSendtextfile"], false);
    EXPECT_EQ(surface.enabled["mnuFilesSendBinaryFile"], false);
    EXPECT_EQ(surface.enabled["mnuSpecialTest"], true);
    EXPECT_EQ(surface.enabled["butQORMonitor"], true);

    const std::map<std::string, bool> shown{{"butQORMonitor", true},  {"QORToolBar", true},
                                            {"AmtorToolBar", false},  {"PModeToolBar", false},
                                            {"BaudotToolBar", false}, {"AsciiToolBar", false},
                                            {"PSKToolBar", false},    {"StatusBar1", true}};
    EXPECT_EQ(surface.visible, shown);
    // The status bar is hidden while the panels are rewritten.
    const auto& log = surface.log;
    const auto hidden = std::find(log.begin(), log.end(), "hide StatusBar1");
    ASSERT_NE(hidden, log.end());
    EXPECT_LT(hidden, std::find(log.begin(), log.end(), "panel 0 QUORAL"));

    EXPECT_EQ(surface.captions["butQORFEC"], "BDCST");
    EXPECT_EQ(surface.captions["butQORTXEnable"], "TX EN ");
    EXPECT_EQ(surface.images["butQORTXEnable"], 6);
    EXPECT_TRUE(terminal.txEnabled);

    // The hints go to the Quoral buttons though the console came from Baudot.
    const std::map<std::string, std::string> hints{{"butQORdeMY", "de DL1ABC"},
                                                   {"butQORHisDeMY", "G4XYZ de DL1ABC"}};
    EXPECT_EQ(surface.hints, hints);

    const std::vector<std::string> tones{"Test OFF", "Single Tone Test", "Four Tone Test"};
    EXPECT_EQ(surface.toneBox, tones);
    EXPECT_EQ(surface.markersVisible, false);
    EXPECT_EQ(surface.transmitPaneFocused, 1);
    EXPECT_EQ(surface.receivePaneRepainted, 1);
    EXPECT_EQ(surface.transmitPaneCleared, 0);

    EXPECT_EQ(terminal.textEntryMode, TextEntryMode::Char);
    EXPECT_FALSE(terminal.callTyped);
    EXPECT_EQ(link.operatingMode, OperatingMode::Quoral);
    EXPECT_EQ(settings.Code, 1);
}

// A call confirmed while the set-up runs goes out after its last command.
TEST_F(QuoralSetupTest, AnOperatorCommandWaitsForTheWholeSetUp) {
    runner.runSetup(OperatingMode::Quoral);
    clock.advance(120);
    operatorSends(command(CommandCode::ADAPTIVE_ON));
    EXPECT_TRUE(runner.isRunning());
    playQueued();
    EXPECT_EQ(sink.hex(), defaultQuoralSetupHex() + " " + hexOf("80 54"));
}

TEST_F(QuoralSetupTest, HiddenToolbarAndStatusBarStayHiddenAndTheWindowKeepsItsFocus) {
    settings.ToolBar = false;
    settings.StatusBar = false;
    runner.runSetup(OperatingMode::Quoral);
    playQueued();
    EXPECT_FALSE(surface.visible["QORToolBar"]);
    EXPECT_FALSE(surface.visible["StatusBar1"]);
    EXPECT_EQ(surface.transmitPaneFocused, 0); // main window not shown yet
}

TEST_F(QuoralSetupTest, TransmitEnableIsOnlyTheExactWordEN) {
    for (const char* word : {"en", "ON", "", "EN "}) {
        settings.TXEnable = word;
        terminal.txEnabled = true;
        runner.runSetup(OperatingMode::Quoral);
        playQueued();
        EXPECT_EQ(surface.captions["butQORTXEnable"], "TX DIS") << word;
        EXPECT_EQ(surface.images["butQORTXEnable"], 5) << word;
        EXPECT_FALSE(terminal.txEnabled) << word;
        EXPECT_EQ(settings.TXEnable, "OFF") << word;
    }
}

TEST_F(QuoralSetupTest, AutoBiasWordsInAnyCaseAndUnknownWordsSendNothing) {
    struct Row {
        const char* word;
        const char* expected;
    };
    for (const Row& row :
         {Row{"robust", "80 65 80 00 "}, Row{"Normal", "80 65 80 01 "}, Row{"fast", "80 65 80 02 "},
          Row{"FASTEST", "80 65 80 03 "}, Row{"quick", ""}, Row{"", ""}}) {
        sink.clear();
        settings.AutoBias = row.word;
        runner.runSetup(OperatingMode::Quoral);
        playQueued();
        const std::string expected = *row.expected ? hexOf(row.expected) + " " : "";
        EXPECT_EQ(autoBiasPart(sink), expected) << row.word;
    }
}

TEST_F(QuoralSetupTest, EndOfLineTakesOnlyCrAndCrLf) {
    struct Row {
        const char* word;
        const char* before;
        const char* after;
    };
    for (const Row& row :
         {Row{"cr", "\r\n", "\r"}, Row{"Cr Lf", "\r", "\r\n"}, Row{"CR LF LTRS", "\r", "\r"},
          Row{"CR CR LF", "\r", "\r"}, Row{"LF", "\r\n", "\r\n"}}) {
        terminal.endOfLineSequence = row.before;
        settings.EndOfLine = row.word;
        runner.runSetup(OperatingMode::Quoral);
        playQueued();
        EXPECT_EQ(terminal.endOfLineSequence, row.after) << row.word;
    }
}

TEST_F(QuoralSetupTest, StandbyWithoutListeningWhateverTheListenSetting) {
    settings.Listen = "ON";
    link.listenMode = ListenMode::Listening;
    runner.runSetup(OperatingMode::Quoral);
    playQueued();
    EXPECT_EQ(surface.panel(1), "STBY");
    EXPECT_EQ(link.listenMode, ListenMode::Standby);
}

TEST_F(QuoralSetupTest, OutOfRangeAfChannelAndReversePolarity) {
    settings.AFChannel = 9;
    settings.FSKPol = "rev";
    runner.runSetup(OperatingMode::Quoral);
    playQueued();
    EXPECT_EQ(sink.hex().substr(0, hexOf("80 41 80 46 80 4D 80 80 80 63 80 04 80 CB").size()),
              hexOf("80 41 80 46 80 4D 80 80 80 63 80 04 80 CB"));
}

} // namespace
} // namespace orvane::testing
