#include "modes/ModeFixture.h"
#include "protocol/link/ModeControls.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace orvane::testing {
namespace {

// Does the hex of `fragment` occur in the set-up's bytes?
bool sent(const RecordingSink& sink, const std::string& fragment) {
    return (" " + sink.hex() + " ").find(" " + hexOf(fragment) + " ") != std::string::npos;
}

struct ByteRow {
    const char* what;
    OperatingMode mode;
    std::function<void(Settings&, LinkState&)> change;
    const char* present; // bytes that must be sent, in this order and together
    const char* absent;  // bytes that must not be sent anywhere ("" for none)
};

void PrintTo(const ByteRow& row, std::ostream* out) {
    *out << row.what;
}

class FskSetupBytes : public ModeFixture, public ::testing::WithParamInterface<ByteRow> {};

TEST_P(FskSetupBytes, SendWhatTheSettingsAskFor) {
    const ByteRow& row = GetParam();
    row.change(settings, link);
    runner.runSetup(row.mode);
    playQueued();
    EXPECT_TRUE(sent(sink, row.present)) << sink.hex();
    if (*row.absent) {
        EXPECT_FALSE(sent(sink, row.absent)) << sink.hex();
    }
}

auto none = [](Settings&, LinkState&) {};

INSTANTIATE_TEST_SUITE_P(
    Settings, FskSetupBytes,
    ::testing::Values(
        ByteRow{"AMTOR tones 2125 and 2295", OperatingMode::Amtor, none,
                "80 81 80 EC 80 08 80 4D 80 08 80 F7 80 DB", ""},
        ByteRow{"AMTOR lower-case u is lower case", OperatingMode::Amtor,
                [](Settings& s, LinkState&) { s.A_LetterCase = 'u'; }, "80 C2 80 D4", "80 C4"},
        ByteRow{"AMTOR WRU on without wru.txt", OperatingMode::Amtor,
                [](Settings& s, LinkState&) { s.A_WRU = "on"; }, "80 EB 80 01 80 D2 80 C4",
                "80 94"},
        ByteRow{"AMTOR standby without listening", OperatingMode::Amtor,
                [](Settings&, LinkState& l) { l.listenMode = ListenMode::Standby; },
                "80 6C 80 28 80 48 80 59 80 5A 80 51 80 56 80 5D 80 EE 80 07", "80 58"},
        ByteRow{"AMTOR reverse polarity, then the timing", OperatingMode::Amtor,
                [](Settings& s, LinkState&) { s.A_Polarity = "rev"; },
                "80 4B 80 E0 80 32 80 E1 80 0A 80 E9 80 20 80 EB 80 01", "80 5B"},
        ByteRow{"P-Mode Huffman in lower case is off", OperatingMode::PMode,
                [](Settings& s, LinkState&) { s.P_Huffman = "on"; },
                "80 F8 80 1E 80 D9 80 EB 80 02", "80 C9"},
        ByteRow{"P-Mode without listening ends with listening off", OperatingMode::PMode,
                [](Settings&, LinkState& l) { l.listenMode = ListenMode::Standby; },
                "80 59 80 58 80 5D 80 5A 80 51 80 56 80 EE 80 07 80 48 80 13", ""},
        ByteRow{"Baudot at 60 baud goes out as 45", OperatingMode::Baudot,
                [](Settings& s, LinkState&) { s.B_Rate = 60; },
                "80 6C 80 28 80 E4 80 00 80 EB 80 00", ""},
        ByteRow{
            "Baudot ends receiving with the transmit polarity", OperatingMode::Baudot,
            [](Settings& s, LinkState&) {
                s.RXPolaritySameAsTX = false;
                s.B_Polarity = "REV";
                s.B_USOS = "off";
                s.B_SyncIdle = "";
                s.B_CodeType = "ITA2";
            },
            "80 D0 80 E3 80 14 80 ED 80 14 80 5D 80 5A 80 51 80 56 80 59 80 C3 80 C1 80 4B 80 4C",
            ""},
        ByteRow{"Baudot ends with RXPOL_SAME_ON whatever the setting", OperatingMode::Baudot,
                [](Settings& s, LinkState&) { s.RXPolaritySameAsTX = false; }, "80 5C 80 85", ""},
        ByteRow{"ASCII at 300 baud goes out as 45", OperatingMode::Ascii,
                [](Settings& s, LinkState&) { s.S_Rate = 300; }, "80 ED 80 14 80 E5 80 00 80 D1",
                ""},
        ByteRow{"ASCII keeps the receive polarity setting", OperatingMode::Ascii,
                [](Settings& s, LinkState&) {
                    s.RXPolaritySameAsTX = false;
                    s.FSKPol = "REV";
                },
                "80 F7 80 CB", "80 5C"}));

TEST_F(ModeFixture, AmtorHoldsReceivedItemsBackRightAfterTheCarrierDetectTime) {
    runner.runSetup(OperatingMode::Amtor);
    playQueued();
    const std::string hex = sink.hex();
    const std::size_t cd = hex.find(hexOf("80 E0 80 32"));
    ASSERT_NE(cd, std::string::npos);
    const std::size_t bytesThroughCd = (cd + hexOf("80 E0 80 32").size() + 1) / 3;
    EXPECT_EQ(sink.pauses, (std::vector<RecordingSink::Pause>{{bytesThroughCd, 100}}));
}

TEST_F(ModeFixture, AmtorSendsTheAnswerBackFileAsItIs) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("orvane-wru-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "wru.txt", std::ios::binary) << "DE K1\r\n";
    context.messageDirectory = dir;
    settings.A_WRU = "ON";
    runner.runSetup(OperatingMode::Amtor);
    playQueued();
    EXPECT_TRUE(sent(sink, "80 D2 80 94 80 44 80 45 80 20 80 4B 80 31 80 0D 80 0A 80 00 80 C4"))
        << sink.hex();
    std::filesystem::remove_all(dir);
}

// What each set-up leaves in the window, coming from AMTOR with text typed.
struct WindowRow {
    OperatingMode mode;
    const char* panel0;
    const char* panel1;
    const char* toolbar;
    bool textFileSend;
    bool paneCleared;
    const char* firstTone; // the second tone entry after the set-up
};

TEST_F(ModeFixture, EachSetupShapesTheWindowForItsMode) {
    for (const WindowRow& row : {WindowRow{OperatingMode::Amtor, "TOR", "STBY-LISTEN",
                                           "AmtorToolBar", false, false, "MARK Tone Test"},
                                 WindowRow{OperatingMode::PMode, "P-Mode", "STBY-LISTEN",
                                           "PModeToolBar", false, false, "Single Tone Test"},
                                 WindowRow{OperatingMode::Baudot, "Baudot", "45", "BaudotToolBar",
                                           true, true, "MARK Tone Test"},
                                 WindowRow{OperatingMode::Ascii, "Ascii", "110", "AsciiToolBar",
                                           true, true, "MARK Tone Test"}}) {
        surface = FakeModeSurface{};
        runner.runSetup(OperatingMode::Quoral); // P-Mode keeps the tone list it finds
        playQueued();
        link.listenMode = ListenMode::Listening;
        surface.transmitPaneCleared = 0;
        runner.runSetup(row.mode);
        playQueued();
        const std::string name = row.panel0;
        EXPECT_EQ(surface.panel(0), row.panel0) << name;
        EXPECT_EQ(surface.panel(1), row.panel1) << name;
        EXPECT_TRUE(surface.visible[row.toolbar]) << name;
        EXPECT_EQ(surface.checked[FakeModeSurface::name(controlsOf(row.mode).menuItem)], true)
            << name;
        EXPECT_EQ(surface.enabled["mnuFilesSendtextfile"], row.textFileSend) << name;
        EXPECT_EQ(surface.transmitPaneCleared, row.paneCleared ? 1 : 0) << name;
        EXPECT_EQ(surface.toneBox.at(1), row.firstTone) << name;
        EXPECT_EQ(link.operatingMode, row.mode) << name;
    }
}

TEST_F(ModeFixture, KeyboardModesShowRateSyncIdleAndPolarityOnTheirButtons) {
    settings.B_Rate = 60;
    settings.B_Polarity = "rev";
    runner.runSetup(OperatingMode::Baudot);
    playQueued();
    EXPECT_EQ(surface.captions["butBaudotRttyRate"] + surface.captions["butBaudotMonitor"] +
                  surface.captions["butBaudotNormRev"] + surface.panel(3) + surface.panel(5),
              "60ONReverseUSOSREV");
    EXPECT_EQ(surface.images["butBaudotNormRev"], 8);

    settings.S_Rate = 300;
    settings.S_SyncIdle = "OFF";
    runner.runSetup(OperatingMode::Ascii);
    playQueued();
    EXPECT_EQ(surface.captions["butAsciiRttyRate"] + surface.captions["butAsciiMonitor"] +
                  surface.captions["butAsciiNormRev"] + surface.panel(1) + surface.panel(4),
              "45OFFNormal45");
    EXPECT_EQ(settings.S_Rate, 45);
}

} // namespace
} // namespace orvane::testing
