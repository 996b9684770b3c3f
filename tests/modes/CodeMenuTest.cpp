#include "modes/CodeMenuHooks.h"
#include "modes/ModeFixture.h"

#include "controls/ControlNames.h"
#include "protocol/link/ModeControls.h"
#include "protocol/link/SupervisionTimers.h"
#include "support/ManualClock.h"

namespace orvane::testing {
namespace {

using CodeMenuTest = ModeFixture;

bool contains(const std::string& hex, const std::string& part) {
    return hex.find(hexOf(part)) != std::string::npos;
}

TEST_F(CodeMenuTest, ChoosingQuoralAgainReprogramsTheModemTheSameWay) {
    codeMenu.mnuCodeQuoralClick();
    playQueued();
    EXPECT_EQ(sink.hex(), defaultQuoralSetupHex());
    EXPECT_TRUE(configChanged.isSet());
    EXPECT_EQ(surface.captions["butQORConnect"], "Connect");
    EXPECT_TRUE(surface.checked["mnuCodeQuoral"]);
    EXPECT_FALSE(surface.checked["mnuCodePSK31"]);

    sink.clear();
    codeMenu.mnuCodeQuoralClick();
    playQueued();
    EXPECT_EQ(sink.hex(), defaultQuoralSetupHex());
}

TEST_F(CodeMenuTest, ArqModeItemsCheckThemselvesAndResetTheirConnectButton) {
    codeMenu.mnuCodeAmtorClick();
    playQueued();
    EXPECT_TRUE(surface.checked["mnuCodeAmtor"]);
    EXPECT_FALSE(surface.checked["mnuCodeQuoral"]);
    EXPECT_EQ(surface.captions["butAmtorConnect"], "Connect");
    EXPECT_EQ(link.operatingMode, OperatingMode::Amtor);
    EXPECT_TRUE(contains(sink.hex(), "80 41 80 46 80 84 80 81 80 EC 80 08 80 4D 80 08 80 F7"));

    codeMenu.mnuCodePModeClick();

    playQueued();
    EXPECT_EQ(surface.captions["butPModeConnect"], "Connect");
    EXPECT_EQ(link.operatingMode, OperatingMode::PMode);
    EXPECT_EQ(surface.panel(0), "P-Mode");
    EXPECT_EQ(surface.hints["butPModeDeMY"], "de MYCALL");
}

TEST_F(CodeMenuTest, BaudotAndAsciiEndWithTheirModeCommandAndAnEmptyTransmitPane) {
    codeMenu.mnuCodeBaudotClick();
    playQueued();
    EXPECT_TRUE(configChanged.isSet());
    EXPECT_EQ(link.operatingMode, OperatingMode::Baudot);
    EXPECT_EQ(settings.Code, 4);
    EXPECT_EQ(surface.panel(0), "Baudot");
    EXPECT_EQ(terminal.endOfLineSequence, "\r\n<"); // default "CR LF LTRS"
    EXPECT_EQ(surface.transmitPaneCleared, 1);
    EXPECT_EQ(sink.hex().substr(sink.hex().size() - hexOf("80 85").size()), hexOf("80 85"));

    codeMenu.mnuCodeAsciiClick();

    playQueued();
    EXPECT_EQ(link.operatingMode, OperatingMode::Ascii);
    EXPECT_TRUE(surface.checked["mnuCodeAscii"]);
    EXPECT_FALSE(surface.checked["mnuCodeBaudot"]);
    EXPECT_EQ(sink.hex().substr(sink.hex().size() - hexOf("80 86").size()), hexOf("80 86"));
    EXPECT_TRUE(surface.enabled["mnuFilesSendtextfile"]);
}

TEST_F(CodeMenuTest, PskUsesItsOwnTransmitWordAndSendsNoModeCommand) {
    context.psk31 = {"off", "char"};
    settings.ToolBar = false;
    settings.TXEnable = "EN";
    codeMenu.mnuCodePSK31Click();
    playQueued();
    EXPECT_EQ(sink.hex(), hexOf("80 41 80 46 80 4D 80 84"));
    EXPECT_EQ(link.operatingMode, OperatingMode::Psk31);
    EXPECT_EQ(terminal.endOfLineSequence, "\n");
    EXPECT_EQ(terminal.textEntryMode, TextEntryMode::Char);
    EXPECT_FALSE(surface.enabled["mnuSpecialTest"]);
    EXPECT_FALSE(surface.visible["PSKToolBar"]);
    // Without the toolbar the shared rule (setting TXEnable) has the last word.
    EXPECT_EQ(surface.captions["butPSKTXEnable"], "TX EN ");
    EXPECT_FALSE(configChanged.isSet());
}

TEST_F(CodeMenuTest, AClickWhileASetUpRunsIsRefusedAndLeavesTheChecks) {
    runner.runCommonSetup();
    clock.advance(200); // in the middle of the set-up
    // Qt checks a clicked item itself; the refusal must take that back.
    for (const char* item : {"mnuCodeAmtor", "mnuCodeBaudot"})
        surface.checked[item] = true;
    codeMenu.mnuCodeAmtorClick();
    codeMenu.mnuCodeBaudotClick();
    codeMenu.mnuCodePSK31Click();
    EXPECT_FALSE(surface.checked["mnuCodeAmtor"]);
    EXPECT_FALSE(surface.checked["mnuCodeBaudot"]);
    EXPECT_TRUE(surface.checked["mnuCodeQuoral"]);
    playQueued();

    const std::string sent = sink.hex();
    EXPECT_EQ(sent.substr(sent.size() - defaultQuoralSetupHex().size()), defaultQuoralSetupHex());
    EXPECT_FALSE(contains(sent, "80 84")); // nothing from the refused clicks
    EXPECT_FALSE(configChanged.isSet());
    EXPECT_TRUE(surface.captions.find("butAmtorConnect") == surface.captions.end());
    EXPECT_EQ(link.operatingMode, OperatingMode::Quoral);

    // Once it has ended the menu works again.
    codeMenu.mnuCodeAmtorClick();
    playQueued();
    EXPECT_EQ(link.operatingMode, OperatingMode::Amtor);
}

// Whatever the mode held, one item is checked: its base mode's.
TEST(CodeMenuChecks, TheHeldModesItemAndNoOther) {
    const std::pair<OperatingMode, const char*> rows[] = {
        {OperatingMode::Quoral, "mnuCodeQuoral"},
        {OperatingMode::QuoralBroadcast, "mnuCodeQuoral"},
        {OperatingMode::AmtorBroadcast, "mnuCodeAmtor"},
        {OperatingMode::PModeUnproto, "mnuCodePMode"},
        {OperatingMode::Ascii, "mnuCodeAscii"},
        {OperatingMode::Psk31, "mnuCodePSK31"},
    };
    for (const auto& [held, item] : rows) {
        std::string checked;
        int items = 0;
        for (const ItemCheck& check : codeMenuChecks(held)) {
            ++items;
            if (check.checked) checked += std::string(objectName(check.item)) + " ";
        }
        EXPECT_EQ(items, 6) << item;
        EXPECT_EQ(checked, std::string(item) + " ");
    }
}

struct HardwareResetTest : ModeFixture {
    CodeMenuHooks hooks{codeMenu};
    SupervisionTimers timers{clock, link, surface, hooks};
};

TEST_F(HardwareResetTest, ResetTimerReturnsToQuoralAndHidesTheNotice) {
    codeMenu.mnuCodeBaudotClick();
    playQueued();
    sink.clear();
    configChanged.clear();
    surface.showCentredPanel(Control::HardwareResetPanel);
    timers.startResetTimer();

    clock.advance(SupervisionTimers::kResetMs);
    playQueued();
    EXPECT_EQ(sink.hex(), defaultQuoralSetupHex());
    EXPECT_EQ(link.operatingMode, OperatingMode::Quoral);
    EXPECT_TRUE(surface.checked["mnuCodeQuoral"]);
    EXPECT_TRUE(configChanged.isSet());
    EXPECT_FALSE(surface.isPanelVisible(Control::HardwareResetPanel));
    EXPECT_FALSE(timers.resetTimer().isActive());
}

TEST_F(HardwareResetTest, RecoveryDuringASetUpWaitsForItsEnd) {
    surface.showCentredPanel(Control::HardwareResetPanel);
    codeMenu.mnuCodeAmtorClick();
    clock.advance(100);
    codeMenu.hardwareResetRecovery();
    codeMenu.hardwareResetRecovery(); // a second report does not repeat it
    playQueued();

    const std::string hex = sink.hex();
    EXPECT_EQ(hex.substr(hex.size() - defaultQuoralSetupHex().size()), defaultQuoralSetupHex());
    EXPECT_EQ(hex.find(hexOf("80 4D 80 80")), hex.rfind(hexOf("80 4D 80 80")));
    EXPECT_EQ(link.operatingMode, OperatingMode::Quoral);
    EXPECT_TRUE(surface.checked["mnuCodeQuoral"]);
    EXPECT_FALSE(surface.isPanelVisible(Control::HardwareResetPanel));
    EXPECT_EQ(surface.log.back(), "hide panel HardwareResetPanel");
}

} // namespace
} // namespace orvane::testing
