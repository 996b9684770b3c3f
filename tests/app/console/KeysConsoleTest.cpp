#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "terminal/keys/KeyboardCommands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ModemRig;

// Real key events on the focused transmit pane of a running console.
struct KeysConsole : ::testing::Test {
    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};

    void SetUp() override {
        rig.writeSettings("[system]\r\nComPort=1\r\nCode=QUORAL\r\n[callsigns]\r\nMYCALL=ZX9ORV\r\n");
        ASSERT_TRUE(t.console.runStartupSequence());
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        pane().setFocus();

    }
    MainWindow& window() { return t.console.mainWindow(); }
    QTextEdit& pane() { return *window().transmitPane(); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&pane(), Qt::Key(key), modifiers);
    }
};

TEST_F(KeysConsole, TableKeysActWhereverTheFocusIsAndOtherKeysGoOn) {
    press(Qt::Key_X);
    press(Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(QRegularExpression("^x\\d{4} UTC $").match(pane().toPlainText()).hasMatch())
        << pane().toPlainText().toStdString();

    pane().clear();
    press(Qt::Key_F4);
    EXPECT_EQ(pane().toPlainText().toStdString(), t.console.settings().MYCALL + " ");

    t.prompter.chooseNextFile((rig.dir() / "keys.txt").string());
    press(Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(t.console.capture().isOn());
    press(Qt::Key_J, Qt::AltModifier);
    EXPECT_FALSE(t.console.capture().isOn());

    press(Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(window().isVisible());

    press(Qt::Key_F, Qt::AltModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), "mnuFiles");
    popup->close();
}

} // namespace
} // namespace orvane
