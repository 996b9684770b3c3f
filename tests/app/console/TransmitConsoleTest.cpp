#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "serial/TransmitThread.h"
#include "session/PortSession.h"
#include "ui/operations/CallPanel.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

using namespace std::string_literals;

namespace orvane {
namespace {

using testing::ModemRig;

// The operator at the keyboard: each character a key press and release.
void type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        const bool enter = c == QLatin1Char('\n');
        const int key = enter ? int(Qt::Key_Return) : int(c.toUpper().unicode());
        const QString typed = enter ? QStringLiteral("\r") : QString(c);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(&widget, &press);
        QCoreApplication::sendEvent(&widget, &release);
    }
}

// With ORVANE_SHOT_DIR set, the window as the operator sees it goes to a picture.
void shot(QWidget& widget, const char* name) {
    const QByteArray dir = qgetenv("ORVANE_SHOT_DIR");
    if (!dir.isEmpty())
        widget.grab().save(QString::fromUtf8(dir) + QLatin1Char('/') + QLatin1String(name));
}

struct TransmitConsole : ::testing::Test {
    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};

    void SetUp() override {
        t.prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); }); // COM1
        ASSERT_TRUE(t.startUp());
        t.probe.settings().MYCALL = "N0CALL"; // as the welcome window takes it
    }
    QPlainTextEdit& txPane() { return *t.console.mainWindow().transmitPane(); }
    QString panel(int i) { return t.console.mainWindow().panel(i); }
    void click(const char* name) { t.console.mainWindow().findChild<QAction*>(name)->trigger(); }
    bool waitFor(const std::function<bool()>& done, int ms = 5000) { return t.waitFor(done, ms); }
    bool waitForBytes(const std::string& bytes) {
        return waitFor([&] { return rig.receivedContains(bytes); });
    }
    // Connect, the call typed into the call dialog, then Call.
    void callFromDialog(const char* connectButton, const QString& call) {
        t.prompter.onNextDialog([call](QDialog& dialog) {
            auto& panel = static_cast<CallPanel&>(dialog);
            panel.CallBox->lineEdit()->clear();
            type(*panel.CallBox->lineEdit(), call);
            panel.show();
            shot(panel, "call_dialog.png");
            panel.butCall->click();
            return int(QDialog::Accepted);
        });
        click(connectButton);
    }
};

TEST_F(TransmitConsole, AQuoralQsoFromTheCallDialogToTheThreeZ) {
    type(txPane(), "hello\n");
    callFromDialog("butQORConnect", "w1aw");
    ASSERT_TRUE(waitForBytes("\x80\x10\x80W\x80"
                             "1\x80"
                             "A\x80W\x80\x00"s))
        << "QUORAL_CALL_ROBUST W1AW";
    EXPECT_FALSE(rig.receivedContains("hello")) << "typed text waits for the link";
    ASSERT_TRUE(waitFor([&] { return panel(1) == "Linked to W1AW"; })) << panel(1).toStdString();

    EXPECT_TRUE(waitForBytes("hello\r\n")) << "the whole line, then the end of line";
    rig.tellSimulator("reply \"GM OM\"");
    type(txPane(), "ur rst 599\n");
    EXPECT_TRUE(waitForBytes("ur rst 599\r\n"));
    EXPECT_TRUE(t.waitForPane("GM OM"));
    type(txPane(), "name is ");
    EXPECT_TRUE(waitForBytes("name ")) << "a word leaves once the next is begun";
    shot(t.console.mainWindow(), "qso.png");
    type(txPane(), "jo\n");
    EXPECT_TRUE(waitFor([&] { return txPane().toPlainText().isEmpty(); }))
        << "sent lines leave the pane";

    type(txPane(), "zzz\n");
    EXPECT_TRUE(waitForBytes("zzz\x80\x07")) << "DISCONNECT after the third z";
    EXPECT_TRUE(waitFor([&] { return panel(1) == "STBY"; })) << panel(1).toStdString();
}

// Once idle, the queue stops reporting itself empty; a text file picked from
// the menu still starts at once and goes out whole.
TEST_F(TransmitConsole, ATextFilePickedOnAnIdleConsoleGoesOut) {
    const auto file = rig.dir() / "Out" / "note.txt";
    std::ofstream(file) << "de w1aw k";
    callFromDialog("butQORConnect", "w1aw"); // the menu item waits for a link
    ASSERT_TRUE(waitFor([&] { return panel(1) == "Linked to W1AW"; }));
    ASSERT_TRUE(waitFor([&] { return t.probe.line().transmitQueue()->idleReportsHeld(); }));
    t.prompter.chooseNextFiles({file.string()});
    click("mnuFilesSendtextfile");
    EXPECT_TRUE(waitForBytes("de w1aw k"));
}

TEST_F(TransmitConsole, AmtorOverForcedOverAndPanic) {
    click("mnuCodeAmtor");
    ASSERT_TRUE(waitFor([&] { return panel(0) == "TOR"; }));
    callFromDialog("butAmtorConnect", "w1aw");
    ASSERT_TRUE(waitForBytes("\x80\x16\x80W\x80"
                             "1\x80"
                             "A\x80W\x80\x00"s))
        << "AMTOR_CALL_476 W1AW";
    ASSERT_TRUE(waitFor([&] { return t.probe.link().linkUp; }));

    click("butAmtorOver");
    EXPECT_TRUE(waitForBytes("+?\r\n<")) << "OVER is the line +? with CR LF LTRS";

    const std::size_t before = rig.received().size();
    click("butAmtorForcedOver");
    rig.tellSimulator("status STATE_EVENT 0F"); // the other station takes the turn: IRS
    ASSERT_TRUE(waitFor([&] { return panel(3) == "IRS"; }));
    EXPECT_EQ(rig.received().find("\x80\x87", before), std::string::npos)
        << "no forced OVER while ISS";
    click("butAmtorForcedOver");
    EXPECT_TRUE(waitForBytes("\x80\x87"));
    EXPECT_TRUE(waitFor([&] { return panel(3) == "ISS"; })) << "the turn comes back";

    type(txPane(), "never sent");
    click("butAmtorPanic");
    EXPECT_TRUE(waitForBytes("\x81\x06"));
    EXPECT_TRUE(txPane().toPlainText().isEmpty());
}

} // namespace
} // namespace orvane
