#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "protocol/CommandBuilders.h"
#include "protocol/CommandCode.h"
#include "protocol/QuoralEncodings.h"
#include "session/PortSession.h"
#include "ui/serial/PortDialog.h"

#include <QAction>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ModemRig;
using C = CommandCode;

std::string wire(std::initializer_list<ModemCommand> commands) {
    std::string bytes;
    for (const auto& c : commands)
        bytes.append(c.bytes().begin(), c.bytes().end());
    return bytes;
}

// What a first start with no settings file says to a modem of hardware 8004:
// the handshake, the common set-up, then the Quoral set-up.
const std::string kHandshake =
    wire({command(C::SW1_OFF), command(C::SW6_OFF), command(C::MODE_FSK_PREP),
          command(C::QUERY_SELFTEST), command(C::QUERY_ID), command(C::QUERY_VERSION_X),
          command(C::QUERY_PRODUCT), command(C::QUERY_VERSION_V), command(C::QUERY_VERSION_W)});
const std::string kCommonSetup =
    wire({command(C::SCAN_CONTROL, {0}), command(C::CWID_OFF), command(C::PRINT_SQUELCH, {69}),
          command(C::AF_CHANNEL, {4}), command(C::PARAM_EE, {7}), command(C::AUDIO_LEVEL, {1}),
          command(C::AUDIO_LEVEL, {40})});
const std::string kQuoralSetup =
    wire({command(C::SW1_OFF), command(C::SW6_OFF), command(C::SW13_OFF), command(C::MODE_QUORAL),
          command(C::AF_CHANNEL, {4}), command(C::FSK_POL_NORM), command(C::QUORAL_AUTOBIAS, {1}),
          command(C::QUORAL_NORMAL_RETRY, {30}), command(C::QUORAL_ROBUST_RETRY, {10}),
          command(C::QUORAL_FAIL_RETRY, {20}), command(C::QUORAL_CHAT_COUNT, {1}),
          textCommand(C::SET_MYCALL, "MYCALL"), command(C::SW1_ON), command(C::ADAPTIVE_ON),
          command(C::SW6_ON), command(C::SW10_ON), command(C::SW9_ON)});

struct QuoralConsole : ::testing::Test {
    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};

    void startWithoutSettingsFile() {
        t.prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); }); // COM1
        ASSERT_TRUE(t.startUp());
    }
    QString panel(int i) { return t.console.mainWindow().panel(i); }
    bool enabled(const char* name) {
        return t.console.mainWindow().findChild<QAction*>(name)->isEnabled();
    }
    bool waitFor(const std::function<bool()>& done, int ms = 5000) { return t.waitFor(done, ms); }
};

TEST_F(QuoralConsole, FirstStartSaysExactlyTheHandshakeCommonAndQuoralSetUp) {
    startWithoutSettingsFile();
    EXPECT_EQ(rig.received(), kHandshake + kCommonSetup + kQuoralSetup);
    EXPECT_EQ(panel(0), "QUORAL");
    EXPECT_EQ(panel(1), "STBY");
    EXPECT_TRUE(t.console.mainWindow().findChild<QWidget*>("QORToolBar")->isVisible());
    EXPECT_TRUE(t.console.mainWindow().findChild<QWidget*>("StatusBar1")->isVisible());
}

TEST_F(QuoralConsole, ChoosingQuoralAgainRepeatsItsSetUp) {
    startWithoutSettingsFile();
    const std::size_t before = rig.received().size();
    t.console.mainWindow().action(Control::QuoralItem)->trigger();
    EXPECT_TRUE(waitFor([&] { return rig.received().size() >= before + kQuoralSetup.size(); }));
    EXPECT_EQ(rig.received().substr(before), kQuoralSetup);
    EXPECT_EQ(panel(0), "QUORAL");
    EXPECT_EQ(panel(1), "STBY");
    EXPECT_TRUE(t.probe.configChanged().isSet());
}

TEST_F(QuoralConsole, ACallLinksAndADisconnectReturnsToStandby) {
    startWithoutSettingsFile();
    // The call dialog comes later; the test sends its command directly.
    t.probe.line().send(quoralCall("NORMAL", "W1AW"));
    ASSERT_TRUE(waitFor([&] { return panel(1) == "Linked to W1AW"; })) << panel(1).toStdString();
    EXPECT_TRUE(t.probe.link().linkUp);
    EXPECT_TRUE(enabled("butQORDisconnect"));
    EXPECT_TRUE(enabled("butQORPanic"));
    EXPECT_FALSE(enabled("butQORConnect"));
    EXPECT_FALSE(enabled("mnuCode"));
    EXPECT_TRUE(enabled("mnuFilesSendBinaryFile"));

    t.probe.line().send(command(C::DISCONNECT));
    ASSERT_TRUE(waitFor([&] { return panel(1) == "STBY"; })) << panel(1).toStdString();
    EXPECT_FALSE(t.probe.link().linkUp);
    EXPECT_TRUE(enabled("butQORConnect"));
    EXPECT_FALSE(enabled("butQORDisconnect"));
    EXPECT_TRUE(enabled("mnuCode"));
    EXPECT_FALSE(enabled("mnuFilesSendBinaryFile"));
}

TEST_F(QuoralConsole, AFailedCallShowsTheLinkFailedPanelAndStaysInStandby) {
    rig.tellSimulator("fail-call K9XX");
    startWithoutSettingsFile();
    t.probe.line().send(quoralCall("ROBUST", "K9XX"));
    auto* panelWidget = t.console.mainWindow().findChild<QWidget*>("DisconnectPanel");
    ASSERT_TRUE(waitFor([&] { return panelWidget->isVisible(); }));
    EXPECT_EQ(panel(1), "STBY");
    EXPECT_FALSE(t.probe.link().linkUp);
    // WaitTimer takes the panel away again after 1.5 s.
    EXPECT_TRUE(waitFor([&] { return !panelWidget->isVisible(); }, 4000));
}

TEST_F(QuoralConsole, TheClockPanelShowsUtcTimeOnEveryTick) {
    startWithoutSettingsFile();
    t.console.mainWindow().setPanel(5, "HUFFMAN ON");
    EXPECT_TRUE(waitFor([&] { return panel(5).startsWith("RX "); }, 1000));
    EXPECT_TRUE(waitFor([&] { return panel(8).size() > 20; }, 1000)) << panel(8).toStdString();
}

} // namespace
} // namespace orvane
