#include "configure/ConfigurationApply.h"
#include "configure/DialogOpening.h"
#include "configure/HereIsMessages.h"
#include "configure/PrintSquelch.h"
#include "e2e/ChildProcess.h"
#include "modes/ModeFixture.h"
#include "support/ScriptedPrompter.h"

#include <fstream>

namespace orvane::testing {
namespace {

class SpinRecorder final : public PrintSquelchLevelView {
public:
    void showPrintSquelchLevel(int level) override { shown = level; }
    int shown = -1;
};

struct ApplyFixture : ModeFixture {
    ScriptedPrompter prompter;
    SpinRecorder spin;
    TempDir dir;
    ConfigurationApply apply{{context, runner, prompter, configChanged, spin}};
    ConfigDialogValues values;

    // The dialog opened in `mode` and closed without a change.
    ApplyFixture() { context.messageDirectory = dir.path(); }

    void openIn(OperatingMode mode, bool txEnabled) {
        link.operatingMode = mode;
        terminal.txEnabled = txEnabled;
        OpeningFacts facts;
        facts.hardwareVersion = "8004";
        facts.mode = mode;
        facts.txEnabled = txEnabled;
        facts.listening = false;
        fillDialogValues(values, settings, facts);
    }
    std::string cycle() {
        sink.clear();
        apply.beforeShowing();
        apply.ApplyConfiguration(values);
        playQueued();
        return sink.hex();
    }
};

// What every closing sends first: scan control, CW ID, listen, both audio
// levels (hardware 8004), FSK polarity.
const std::string kShared = "80 67 80 00 80 45 80 48 80 6C 80 01 80 6C 80 28 ";
const std::string kFskPolarity = "80 DB ";
const std::string kSquelch = "80 E8 80 45 ";          // PRINT_SQUELCH 69, Baudot and ASCII only
const std::string kShortStart = "80 DB 80 6C 80 01 "; // FSK_POL_NORM, AUDIO_LEVEL RX

struct ShortSequenceRow {
    OperatingMode mode;
    std::string expected;
};

using ConfigurationApplyTest = ApplyFixture;

// With transmit disabled and no link, closing the dialog unchanged sends the
// shared commands and the mode's short sequence, nothing else.
TEST_F(ConfigurationApplyTest, UnchangedClosingWithTransmitDisabledSendsTheShortSequence) {
    const ShortSequenceRow rows[] = {
        {OperatingMode::Quoral, kShared + kFskPolarity + kShortStart},
        {OperatingMode::Amtor, kShared + kFskPolarity + kShortStart + "80 C2 80 C4 80 5B"},
        {OperatingMode::PMode, kShared + kFskPolarity + kShortStart + "80 C9"},
        {OperatingMode::Baudot, "80 84 " + kShared + kSquelch + kFskPolarity + "80 5B " +
                                    kShortStart +
                                    "80 C0 80 E3 80 14 80 ED 80 14 80 D3 80 5B 80 85"},
        {OperatingMode::Ascii, "80 84 " + kShared + kSquelch + kFskPolarity + kShortStart +
                                   "80 E3 80 14 80 ED 80 14 80 5B 80 86"},
    };
    for (const ShortSequenceRow& row : rows) {
        settings.TXEnable = "OFF";
        openIn(row.mode, false);
        EXPECT_EQ(cycle(), hexOf(row.expected)) << operatingModeValue(row.mode);
        EXPECT_FALSE(terminal.txEnabled) << operatingModeValue(row.mode);
        EXPECT_TRUE(configChanged.isSet());
    }
}

// OK and F9 at once in Quoral standby: the call dialog's ADAPTIVE_ON waits
// for the apply and the Quoral set-up it carries.
TEST_F(ConfigurationApplyTest, AnOperatorCommandWaitsForTheWholeApply) {
    settings.TXEnable = "EN";
    openIn(OperatingMode::Quoral, true);
    sink.clear();
    apply.ApplyConfiguration(values);
    clock.advance(75);
    operatorSends(command(CommandCode::ADAPTIVE_ON));
    playQueued();
    EXPECT_EQ(sink.hex(),
              hexOf(kShared + kFskPolarity) + " " + defaultQuoralSetupHex() + " " + hexOf("80 54"));
}

TEST_F(ConfigurationApplyTest, ShortSequenceTakesTheModeWordsOnly) {
    settings.TXEnable = "OFF";
    openIn(OperatingMode::Baudot, false);
    values.settings.text(&Settings::B_CodeType) = "No2";
    values.settings.text(&Settings::B_USOS) = "OFF";
    values.settings.text(&Settings::B_PTTON) = "7";
    values.settings.text(&Settings::B_TextEntry) = "CHAR";
    const std::string bytes = cycle();
    EXPECT_NE(bytes.find(hexOf("80 D0 80 E3 80 07 80 ED 80 14 80 C3")), std::string::npos) << bytes;
    EXPECT_EQ(surface.panel(3), "");
    EXPECT_EQ(terminal.textEntryMode, TextEntryMode::Char);

    openIn(OperatingMode::Amtor, false);
    settings.A_EndOfLine = "CR LF LTRS";
    cycle();
    EXPECT_EQ(terminal.endOfLineSequence, "\r\n<");

    openIn(OperatingMode::Ascii, false);
    values.settings.text(&Settings::S_Polarity) = "REV";
    cycle();
    EXPECT_FALSE(terminal.polarityNormal) << "the NORM/REV toggle's next press goes back to normal";
    values.settings.text(&Settings::S_Polarity) = "NORM";
    cycle();
    EXPECT_TRUE(terminal.polarityNormal);
}

TEST_F(ConfigurationApplyTest, ThePsk31PageAndTheCrcMaskAreHeldInMemory) {
    openIn(OperatingMode::Quoral, false);
    values.psk31 = {false, "CHAR", "35", "7", false, 12};
    values.quoral = {"A5", ""};
    cycle();
    EXPECT_EQ(context.crcMask, (CrcMask{"A5", "00"}));
    EXPECT_EQ(context.psk31.txEnable, "OFF");
    EXPECT_EQ(context.psk31.textEntry, "CHAR");
    EXPECT_EQ(context.psk31.pttOnDelay, 35);
    EXPECT_EQ(context.psk31.pttOffDelay, 7);
    EXPECT_FALSE(context.psk31.afc);
    EXPECT_EQ(context.psk31.squelch, 12);
}

TEST_F(ConfigurationApplyTest, TransmitEnabledRunsTheModeSetUpAgain) {
    openIn(OperatingMode::Quoral, true);
    EXPECT_EQ(cycle(), hexOf(kShared + kFskPolarity) + " " + defaultQuoralSetupHex());
    // While the modem transmits the short sequence goes instead.
    openIn(OperatingMode::Quoral, true);
    link.txActive = true;
    EXPECT_EQ(cycle(), hexOf(kShared + kFskPolarity + kShortStart));
}

TEST_F(ConfigurationApplyTest, ChangedPortIsAnnouncedAndTakenForTheNextStart) {
    settings.PortName = "COM1";
    openIn(OperatingMode::Quoral, false);
    values.general.port = "COM3";
    values.comPortChanged = true;
    cycle();
    ASSERT_EQ(prompter.texts(),
              std::vector<std::string>{
                  "Changes in COM Port will not take effect until program is restarted."});
    EXPECT_EQ(settings.PortName, "COM3");
}

TEST_F(ConfigurationApplyTest, TheMessageFileIsWrittenOnlyWhenEdited) {
    openIn(OperatingMode::Quoral, false);
    values.messages.hereIsNumber = "WRU";
    values.messages.hereIs = "DE DL1ABC\r\n";
    cycle();
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "wru.txt"));
    values.messages.hereIsEdited = true;
    cycle();
    EXPECT_EQ(readFile(dir.path() / "wru.txt"), "DE DL1ABC\r\n");
}

struct SquelchRow {
    int level;
    bool on;
    std::string sent;
    std::optional<int> markerX;
    bool markersVisible;
};

// The markers move with the level and show only while the squelch is on and
// the level lies on the window's scale: below 58 they would sit at a stale place.
TEST_F(ConfigurationApplyTest, PrintSquelchApplyMovesTheMarkersAndTellsTheModem) {
    const SquelchRow rows[] = {
        {69, true, "80 E8 80 45", 35, true},
        {58, false, "80 E8 80 00", 5, false},
        {57, true, "80 E8 80 39", std::nullopt, false},
    };
    for (const SquelchRow& row : rows) {
        sink.clear();
        surface.markerX.reset();
        PrintSquelchApply(context, row.level, row.on);
        EXPECT_EQ(sink.hex(), hexOf(row.sent)) << row.level;
        EXPECT_EQ(surface.markerX, row.markerX) << row.level;
        EXPECT_EQ(surface.markersVisible, row.markersVisible) << row.level;
        EXPECT_EQ(settings.PrintSquelchSetting, row.level);
    }
}

} // namespace
} // namespace orvane::testing
