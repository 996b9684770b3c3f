// A station that has not given its call sign yet: the welcome window asks for
// it, and nothing that would send the placeholder goes out until it is given.
#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "platform/ControlObjects.h"
#include "ui/config/StationSetupWindow.h"
#include "ui/surface/ModeToolbars.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace orvane {
namespace {

using testing::ModemRig;

struct StationSetupConsole : ::testing::Test {
    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};

    MainWindow& window() { return t.console.mainWindow(); }
    QWidget* guide() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == qtObjectName(Control::StationSetupWindow)) return w;
        return nullptr;
    }
    void pressToolbar(const char* name) { toolbarButton(window(), name)->trigger(); }
    void enterCall(const char* call) {
        findControl<QLineEdit>(*guide(), Control::StationSetupCall)->setText(call);
        findControl<QPushButton>(*guide(), Control::StationSetupUseCall)->click();
    }
};

TEST_F(StationSetupConsole, ThePlaceholderStaysOffTheAirUntilTheWelcomeWindowTakesTheCall) {
    rig.writeSettings("[system]\r\nComPort=1\r\nCode=QUORAL\r\n");
    ASSERT_TRUE(t.startUp());
    ASSERT_NE(guide(), nullptr);
    EXPECT_TRUE(guide()->isVisible());
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    const std::size_t before = rig.received().size();

    const std::pair<const char*, std::function<void()>> refused[] = {
        {"call", [&] { pressToolbar("butQORConnect"); }},
        {"CQ", [&] { pressToolbar("butQORCallCQ"); }},
        {"broadcast", [&] { pressToolbar("butQORFEC"); }},
        {"de MY", [&] { pressToolbar("butQORdeMY"); }},
        {"CW ID", [&] { QTest::keyClick(window().transmitPane(), Qt::Key_F4, Qt::AltModifier); }},
    };
    for (const auto& [what, press] : refused) {
        const std::size_t asked = t.prompter.asked().size();
        press();
        ASSERT_EQ(t.prompter.asked().size(), asked + 1) << what;
        EXPECT_NE(t.prompter.asked().back().text.find("call sign is not set"), std::string::npos)
            << what;
    }
    EXPECT_EQ(t.prompter.dialogsRun(), 0); // no call dialog, no broadcast panel
    EXPECT_TRUE(window().transmitPane()->toPlainText().isEmpty());

    enterCall("dl1abc");
    // SET_MYCALL "DL1ABC", and nothing before it since the start-up.
    const std::string setMyCall = testing::bytes(
        {0x80, 0x13, 0x80, 'D', 0x80, 'L', 0x80, '1', 0x80, 'A', 0x80, 'B', 0x80, 'C', 0x80, 0x00});
    ASSERT_TRUE(t.waitFor([&] { return rig.received().size() >= before + setMyCall.size(); }));
    EXPECT_EQ(rig.received().substr(before), setMyCall);
    EXPECT_NE(testing::readFile(rig.dir() / "Config/orvane.ini").find("MYCALL=DL1ABC"),
              std::string::npos);

    pressToolbar("butQORCallCQ");
    EXPECT_TRUE(t.waitFor([&] {
        return rig.receivedEndsWith(testing::bytes({0x80, 0x14, 0x80, 0x00}));
    }));
}

TEST_F(StationSetupConsole, AStationWithItsCallAndPortIsNotWelcomed) {
    rig.writeSettings("[system]\r\nComPort=1\r\n[callsigns]\r\nMYCALL=DL1ABC\r\n");
    ASSERT_TRUE(t.startUp());
    EXPECT_TRUE(guide() == nullptr || !guide()->isVisible());
}

} // namespace
} // namespace orvane
