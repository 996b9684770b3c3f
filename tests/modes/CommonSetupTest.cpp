#include "modes/CommonSetup.h"
#include "modes/ModeFixture.h"

#include <limits>
#include <optional>

namespace orvane::testing {
namespace {

// Common set-up, then the Quoral set-up, with default settings on an 8004.
const std::string kDefaultStartUp = hexOf("80 67 80 00 " // SCAN_CONTROL continuous
                                          "80 45 "       // CWID_OFF
                                          "80 E8 80 45 " // PRINT_SQUELCH 69
                                          "80 63 80 04 " // AF_CHANNEL 4
                                          "80 EE 80 07 " // PARAM_EE 7
                                          "80 6C 80 01 " // AUDIO_LEVEL receive +0dB
                                          "80 6C 80 28") // AUDIO_LEVEL transmit +0dB
                                    + " " + defaultQuoralSetupHex();

using CommonSetupTest = ModeFixture;

TEST_F(CommonSetupTest, DefaultStartUpSendsTheCommonAndQuoralBytesInOrder) {
    runner.runCommonSetup();
    playQueued();
    EXPECT_EQ(sink.hex(), kDefaultStartUp);
    EXPECT_FALSE(xonXoff.isOn());
    EXPECT_EQ(link.operatingMode, OperatingMode::Quoral);
    EXPECT_EQ(surface.markerX, 35);
    EXPECT_EQ(surface.markersVisible, false); // Quoral hides them again
}

// The commands of the common part alone: everything before SW1_OFF.
std::string commonPart(const RecordingSink& sink) {
    const std::string hex = sink.hex();
    const std::size_t quoral = hex.find(" " + hexOf("80 41 80 46 80 4D 80 80"));
    return hex.substr(0, quoral);
}

struct SettingRow {
    const char* what;
    std::function<void(Settings&)> change;
    const char* expected; // the common part's commands
};

void PrintTo(const SettingRow& row, std::ostream* out) {
    *out << row.what;
}

class CommonSetupRows : public ModeFixture, public ::testing::WithParamInterface<SettingRow> {};

TEST_P(CommonSetupRows, SendsTheCommandsTheSettingsAskFor) {
    GetParam().change(settings);
    runner.runCommonSetup();
    playQueued();
    EXPECT_EQ(commonPart(sink), hexOf(GetParam().expected)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, CommonSetupRows,
    ::testing::Values(
        SettingRow{"scan control in lower case", [](Settings& s) { s.ScanControl = "cont"; },
                   "80 67 80 00 80 45 80 E8 80 45 80 63 80 04 80 EE 80 07 80 6C 80 01 80 6C 80 28"},
        SettingRow{"scan control not continuous", [](Settings& s) { s.ScanControl = "SCAN"; },
                   "80 67 80 01 80 45 80 E8 80 45 80 63 80 04 80 EE 80 07 80 6C 80 01 80 6C 80 28"},
        SettingRow{"CW identification in lower case", [](Settings& s) { s.CWID = "on"; },
                   "80 67 80 00 80 55 80 E8 80 45 80 63 80 04 80 EE 80 07 80 6C 80 01 80 6C 80 28"},
        SettingRow{"print squelch enable must be exactly ON",
                   [](Settings& s) { s.PrintSquelchEnable = "on"; },
                   "80 67 80 00 80 45 80 E8 80 00 80 63 80 04 80 EE 80 07 80 6C 80 01 80 6C 80 28"},
        SettingRow{"AF channel 0", [](Settings& s) { s.AFChannel = 0; },
                   "80 67 80 00 80 45 80 E8 80 45 80 63 80 04 80 EE 80 07 80 6C 80 01 80 6C 80 28"},
        SettingRow{"AF channel 7", [](Settings& s) { s.AFChannel = 7; },
                   "80 67 80 00 80 45 80 E8 80 45 80 63 80 04 80 EE 80 07 80 6C 80 01 80 6C 80 28"},
        SettingRow{"AF channel 2", [](Settings& s) { s.AFChannel = 2; },
                   "80 67 80 00 80 45 80 E8 80 45 80 63 80 02 80 EE 80 07 80 6C 80 01 80 6C 80 28"},
        SettingRow{"transmit gain below the transmit codes", [](Settings& s) { s.TXGain = 31; },
                   "80 67 80 00 80 45 80 E8 80 45 80 63 80 04 80 EE 80 07 80 6C 80 01"},
        SettingRow{
            "transmit gain -36dB, receive +6dB",
            [](Settings& s) {
                s.TXGain = 32;
                s.RXGain = 2;
            },
            "80 67 80 00 80 45 80 E8 80 45 80 63 80 04 80 EE 80 07 80 6C 80 02 80 6C 80 20"}));

TEST_F(CommonSetupTest, TransmitLevelAndFlowControlFilterFollowTheHardware) {
    struct Row {
        const char* hardware;
        bool transmitLevel;
        bool filter;
    };
    for (const Row& row : {Row{"800A", true, true}, Row{"8004", true, false},
                           Row{"800B", true, true}, Row{"8003", false, false}}) {
        sink.clear();
        xonXoff.set(!row.filter);
        context.hardwareVersion = row.hardware;
        runner.runCommonSetup();
        playQueued();
        const bool sentTransmitLevel =
            commonPart(sink).find(hexOf("80 6C 80 01 80 6C 80 28")) != std::string::npos;
        EXPECT_EQ(sentTransmitLevel, row.transmitLevel) << row.hardware;
        EXPECT_EQ(xonXoff.isOn(), row.filter) << row.hardware;
    }
}

TEST_F(CommonSetupTest, PrintSquelchMarkersSitOnTheScaleOrHide) {
    struct Row {
        int setting;
        std::optional<int> x;
    };
    for (const Row& row :
         {Row{69, 35}, Row{58, 5}, Row{57, std::nullopt}, Row{0, std::nullopt}, Row{255, 540}}) {
        surface.markerX.reset();
        surface.markersVisible.reset();
        settings.PrintSquelchSetting = row.setting;
        settings.Code = 4;
        link.operatingMode = OperatingMode::Baudot; // shows the markers when enabled
        runner.runCommonSetup();
        playQueued();
        EXPECT_EQ(surface.markerX, row.x) << row.setting;
        EXPECT_EQ(surface.markersVisible, row.x.has_value()) << row.setting;
    }
    // Below the scale the common set-up hides them before a mode may show them.
    settings.PrintSquelchSetting = 57;
    link.operatingMode = OperatingMode::Quoral;
    surface.markersVisible.reset();
    runner.runCommonSetup();
    playQueued();
    EXPECT_EQ(surface.markersVisible, false);
    EXPECT_EQ(printSquelchMarkerX(std::numeric_limits<int>::max()),
              std::numeric_limits<int>::max());
}

TEST_F(CommonSetupTest, BroadcastStatesAndUnknownModesGetTheQuoralSetUp) {
    for (int value : {6, 7, 8, 9, 0}) {
        sink.clear();
        link.operatingMode = static_cast<OperatingMode>(value);
        runner.runCommonSetup();
        playQueued();
        EXPECT_EQ(sink.hex(), kDefaultStartUp) << value;
        EXPECT_EQ(link.operatingMode, OperatingMode::Quoral) << value;
        EXPECT_EQ(settings.Code, 1) << value;
    }
}

TEST_F(CommonSetupTest, EndOfLineComesFromTheCurrentModesSetting) {
    // AMTOR knows "CR CR LF" and the interim AMTOR set-up keeps it.
    settings.A_EndOfLine = "cr cr lf";
    link.operatingMode = OperatingMode::Amtor;
    runner.runCommonSetup();
    playQueued();
    EXPECT_EQ(terminal.endOfLineSequence, "\r\r\n");

    // An AMTOR broadcast counts as Quoral and reads EndOfLine.
    settings.EndOfLine = "CR";
    link.operatingMode = OperatingMode::AmtorBroadcast;
    runner.runCommonSetup();
    playQueued();
    EXPECT_EQ(terminal.endOfLineSequence, "\r");
}

} // namespace
} // namespace orvane::testing
