#include "ui/terminal/PaneCommands.h"
#include "terminal/ReceiveCapture.h"
#include "terminal/TransmitSendState.h"
#include "ui/terminal/CallSignPopup.h"
#include "ui/terminal/ReceivePane.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace orvane {
namespace {

struct Panes : ::testing::Test {
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "pane_commands_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv); // kept to the end of the run
    }
    QWidget window;
    ReceivePane* receive = new ReceivePane(&window);
    QPlainTextEdit* transmit = new QPlainTextEdit(&window);
    QLineEdit* elsewhere = new QLineEdit(&window);
    TransmitSendState sent;
    PaneCommands commands{*receive, *transmit, sent};

    void SetUp() override {
        window.show();
        window.activateWindow();
    }
    void focus(QWidget* w) {
        w->setFocus();
        QApplication::processEvents();
    }
    void show(const char* text) {
        for (const char* c = text; *c; ++c)
            receive->showReceived(*c);
        receive->flushPending();
    }
};

TEST_F(Panes, EditCommandsActOnTheFocusedPaneOnly) {
    transmit->setPlainText("typed");
    show("heard");
    QApplication::clipboard()->setText("before");

    focus(elsewhere);
    commands.selectAll();
    commands.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "before");

    focus(receive);
    commands.selectAll();
    commands.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "heard");

    focus(transmit);
    commands.selectAll();
    commands.cut();
    EXPECT_EQ(QApplication::clipboard()->text(), "typed");
    EXPECT_TRUE(transmit->toPlainText().isEmpty());
    commands.paste();
    EXPECT_EQ(transmit->toPlainText(), "typed");
}

TEST_F(Panes, UndoIsOfferedOnlyWhenTheFocusedPaneCanUndo) {
    QAction undo;
    transmit->setPlainText("");
    focus(transmit);
    transmit->insertPlainText("x");
    commands.editMenuOpening(undo);
    EXPECT_TRUE(undo.isEnabled());
    focus(elsewhere);
    commands.editMenuOpening(undo);
    EXPECT_FALSE(undo.isEnabled());
}

// In the receive pane Undo takes back the operator's own last edit, however
// much was received meanwhile, and never the received text.
TEST_F(Panes, UndoInTheReceivePaneTakesBackTheOperatorsEditOnly) {
    QAction undo;
    show("hello\n");
    focus(receive);
    commands.editMenuOpening(undo);
    EXPECT_FALSE(undo.isEnabled()) << "received text is nothing to undo";
    receive->moveCursor(QTextCursor::Start);
    QTest::keyClicks(receive, "NB ");
    show("world\n");
    EXPECT_EQ(receive->toPlainText(), "NB hello\nworld\n");
    commands.editMenuOpening(undo);
    EXPECT_TRUE(undo.isEnabled());
    commands.undo();
    EXPECT_EQ(receive->toPlainText(), "hello\nworld\n");
    commands.editMenuOpening(undo);
    EXPECT_FALSE(undo.isEnabled());

    // A selection typed over comes back whole.
    QTextCursor word(receive->document());
    word.setPosition(6);
    word.setPosition(11, QTextCursor::KeepAnchor);
    receive->setTextCursor(word);
    QTest::keyClicks(receive, "X");
    EXPECT_EQ(receive->toPlainText(), "hello\nX\n");
    commands.undo();
    EXPECT_EQ(receive->toPlainText(), "hello\nworld\n");
}

TEST_F(Panes, ClearCommandsEmptyThePanesAndTheNextCharacterGoesToTheTop) {
    int cleared = 0;
    commands.setAfterTransmitCleared([&] { ++cleared; });
    show("line one\nline two");
    transmit->setPlainText("draft");
    commands.ClearReceive();
    EXPECT_TRUE(receive->toPlainText().isEmpty());
    EXPECT_EQ(transmit->toPlainText(), "draft");
    show("A");
    EXPECT_EQ(receive->toPlainText(), "A");
    commands.ClearAll();
    EXPECT_TRUE(receive->toPlainText().isEmpty());
    EXPECT_TRUE(transmit->toPlainText().isEmpty());
    commands.ClearTransmit();
    EXPECT_EQ(cleared, 2); // Clear All and Clear TX both end with the end-of-line rule
}

// Text pasted right after a clear, before the pump has run, would otherwise
// lose as many leading characters as the old line had sent.
TEST_F(Panes, ClearingTheTransmitPaneForgetsHowMuchOfItHadGone) {
    for (void (PaneCommands::*clear)() : {&PaneCommands::ClearTransmit, &PaneCommands::ClearAll}) {
        transmit->setPlainText("HELLO WORLD");
        sent.setSentCount(5);
        (commands.*clear)();
        EXPECT_EQ(sent.sentCount(), 0);
    }
}

TEST_F(Panes, CallSignMenuOpensOnlyWithASelectionAndHandsItOver) {
    CallSignPopup popup(*receive);
    QString called;
    popup.setCallHandler([&](const QString& call) { called = call; });
    show("CQ de W1AW k");
    EXPECT_FALSE(popup.reRXDataMouseDown({10, 10}));
    EXPECT_FALSE(popup.menu().isVisible());

    QTextCursor cursor = receive->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    receive->setTextCursor(cursor);
    EXPECT_TRUE(popup.reRXDataMouseDown({10, 10}));
    EXPECT_EQ(popup.menuPosition({10, 10}), QPoint(10, 55));
    popup.menu().findChild<QAction*>("AddtoHisCallList1")->trigger();
    EXPECT_EQ(called, "W1AW");
    called.clear();
    popup.menu().findChild<QAction*>("Makecalltothiscallsign1")->trigger();
    EXPECT_EQ(called, "W1AW");
    popup.menu().hide();
}

TEST(ReceiveCapture, WritesEveryByteFlushedAndCountsForPanel6) {
    auto file =
        std::filesystem::temp_directory_path() / ("rx-" + std::to_string(::getpid()) + ".txt");
    ReceiveCapture capture;
    std::string error;
    ASSERT_TRUE(capture.start(file, error)) << error;
    for (std::uint8_t c : {'h', 'i', '\n', '\a'})
        capture.CaptureChar(c);
    // Flushed after each byte: the file is complete while the capture still runs.
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "hi\n\a");
    EXPECT_EQ(capture.panelText(), file.filename().string() + ": 4");
    capture.stop();
    capture.CaptureChar('x'); // nothing is written after the stop
    EXPECT_EQ(capture.RxCaptureCount(), 4u);
    std::filesystem::remove(file);

    EXPECT_FALSE(capture.start("/nonexistent-dir/rx.txt", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(capture.isOn());
}

} // namespace
} // namespace orvane
