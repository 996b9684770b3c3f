#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "protocol/CommandBuilders.h"
#include "session/PortSession.h"
#include "ui/surface/ModeToolbars.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace orvane {
namespace {

using testing::ModemRig;

struct OnAirConsole : ::testing::Test {
    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};

    void start(const std::string& code) {
        rig.writeSettings("[system]\r\nComPort=1\r\nCode=" + code +
                          "\r\n[callsigns]\r\nMYCALL=N0CALL\r\n");
        ASSERT_TRUE(t.startUp());
    }
    MainWindow& window() { return t.console.mainWindow(); }
    QString panel(int i) { return window().panel(i); }
    void click(const char* button) { window().findChild<QPushButton*>(button)->click(); }
    bool sentEnding(const std::string& bytes) {
        return t.waitFor([&] { return rig.receivedEndsWith(bytes); });
    }
};

TEST_F(OnAirConsole, TextReceivedDuringATestToneWaitsAndShowsInOrderAfterCancel) {
    start("QUORAL");
    window().action(Control::TestTonesItem)->trigger();
    ASSERT_TRUE(window().findChild<QWidget*>("ToneTestBox")->isVisible());
    auto* toneBox = window().findChild<QComboBox*>("ToneBox");
    ASSERT_EQ(toneBox->itemText(2), "Four Tone Test");
    emit toneBox->activated(2);
    ASSERT_TRUE(sentEnding(testing::bytes({0x80, 0x04})));

    std::string text;
    for (int i = 0; i < 700; ++i)
        text += static_cast<char>(i % 7 == 6 ? ' ' : 'a' + i % 26);
    rig.tellSimulator("text \"" + text + "\"");
    ASSERT_TRUE(t.waitFor([&] { return t.probe.rxQueue().count() == int(text.size()); }));
    EXPECT_FALSE(t.paneText().contains(QString::fromStdString(text.substr(0, 6))));

    click("butTestCancel");
    EXPECT_TRUE(sentEnding(testing::bytes({0x80, 0x05})));
    EXPECT_FALSE(window().findChild<QWidget*>("ToneTestBox")->isVisible());
    EXPECT_TRUE(t.waitForPane(QString::fromStdString(text)));
}

struct BroadcastRow {
    const char* code;
    const char* button;
    // Presses the toolbar button and makes the choices that start the broadcast.
    std::function<void(OnAirConsole&, const std::function<void()>& pressButton)> operatorStarts;
    std::string startBytes;
    const char* onAirPanel;
    const char* standbyPanel; // after the modem's report that the broadcast ended
};

void PrintTo(const BroadcastRow& row, std::ostream* out) {
    *out << row.code;
}

class BroadcastConsole : public OnAirConsole, public ::testing::WithParamInterface<BroadcastRow> {};

TEST_P(BroadcastConsole, StartsEchoesAndEndsWithTheModemsStandbyReport) {
    const BroadcastRow& row = GetParam();
    start(row.code);
    const OperatingMode base = t.probe.link().operatingMode;
    row.operatorStarts(*this, [&] { toolbarButton(window(), row.button)->trigger(); });
    ASSERT_TRUE(sentEnding(row.startBytes));
    EXPECT_EQ(panel(1), row.onAirPanel);
    EXPECT_TRUE(isBroadcast(t.probe.link().operatingMode));

    const std::string cq = "CQ CQ DE MYCALL";
    t.probe.line().sendText({reinterpret_cast<const std::uint8_t*>(cq.data()), cq.size()});
    EXPECT_TRUE(t.waitForPane(QString::fromStdString(cq)));

    // Disconnect itself comes with the calls; its command is what matters here.
    t.probe.line().send(command(CommandCode::DISCONNECT));
    ASSERT_TRUE(t.waitFor([&] { return panel(1) == row.standbyPanel; })) << panel(1).toStdString();
    EXPECT_EQ(t.probe.link().operatingMode, base);
}

INSTANTIATE_TEST_SUITE_P(
    EveryBroadcast, BroadcastConsole,
    ::testing::Values(
        BroadcastRow{"QUORAL", "butQORFEC",
                     [](OnAirConsole& c, const std::function<void()>& press) {
                         c.t.prompter.onNextDialog([](QDialog& dialog) {
                             dialog.findChild<QComboBox*>("ModComboBox")->setCurrentText("2DPSM");
                             return int(QDialog::Accepted);
                         });
                         press();
                     },
                     testing::bytes({0x80, 0x64, 0x80, 0x55, 0x80, 0x12, 0x80, 0x00}),
                     "Broadcast-TX", "STBY"},
        BroadcastRow{"TOR", "butAmtorFEC",
                     [](OnAirConsole& c, const std::function<void()>& press) {
                         press();
                         c.click("butFECOK");
                     },
                     testing::bytes({0x80, 0x1D, 0x80, 0x00}), "FEC-TX", "STBY-LISTEN"},
        BroadcastRow{"PMODE", "butPModeFEC",
                     [](OnAirConsole& c, const std::function<void()>& press) {
                         press();
                         c.window().findChild<QAbstractButton*>("butFECRate200")->click();
                         c.click("Button7");
                     },
                     testing::bytes({0x80, 0xF6, 0x80, 0x01, 0x80, 0x1C, 0x80, 0x00}), "UNPROTO",
                     "STBY-LISTEN"}));

} // namespace
} // namespace orvane
