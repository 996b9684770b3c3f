#include "ui/terminal/ReceivePane.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace orvane {
namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "receive_pane_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down among the static destructors crashes.
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

// Made before the fixture's widgets.
struct WithApplication {
    WithApplication() { ensureApplication(); }
};

class Pane : public ::testing::Test, WithApplication {
protected:
    void show(std::string_view text) {
        for (char c : text)
            pane.showReceived(c);
    }
    QString shownText() {
        pane.flushPending();
        return pane.toPlainText();
    }
    QColor colourAt(int position) {
        QTextCursor cursor(pane.document());
        cursor.setPosition(position + 1);
        return cursor.charFormat().foreground().color();
    }
    ReceivePane pane;
};

TEST_F(Pane, NewTextGoesToTheInsertPointNotTheCaret) {
    EXPECT_EQ(pane.objectName(), "reRXData");
    show("hello\nworld");
    pane.flushPending(); // as the operator's click does
    // The operator clicks into the first line and selects part of it.
    QTextCursor caret(pane.document());
    caret.setPosition(1);
    caret.setPosition(3, QTextCursor::KeepAnchor);
    pane.setTextCursor(caret);
    show("!\n");
    EXPECT_EQ(shownText(), "hello\nworld!\n");
    EXPECT_EQ(pane.RxInsertPoint(), pane.document()->characterCount() - 1);
    EXPECT_EQ(pane.textCursor().selectionStart(), 1); // the selection is untouched
    EXPECT_EQ(pane.textCursor().selectionEnd(), 3);
    EXPECT_EQ(pane.document()->blockCount(), 3);
}

TEST_F(Pane, EachCharacterKeepsTheColourItWasShownIn) {
    pane.setReceiveColour(Qt::blue);
    pane.setEchoColour(Qt::darkGreen);
    pane.showReceived('a');
    pane.showEcho('b');
    pane.setEchoColour(Qt::magenta);
    pane.showEcho('c');
    EXPECT_EQ(shownText(), "abc");
    EXPECT_EQ(colourAt(0), QColor(Qt::blue));
    EXPECT_EQ(colourAt(1), QColor(Qt::darkGreen));
    EXPECT_EQ(colourAt(2), QColor(Qt::magenta));
}

TEST_F(Pane, AfterClearingTheNextCharacterStartsAtTheTop) {
    show("abc\n");
    pane.flushPending();
    show("def"); // received before the clear: cleared with it
    pane.clearReceived();
    show("x");
    EXPECT_EQ(shownText(), "x");
    EXPECT_EQ(pane.RxInsertPoint(), 1);
}

TEST_F(Pane, GatheredCharactersAppearSoonOrAtTheOperatorsClick) {
    show("ab");
    EXPECT_EQ(pane.toPlainText(), "");
    QElapsedTimer waited;
    waited.start();
    while (pane.toPlainText().isEmpty() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(pane.toPlainText(), "ab");

    show("cd");
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pane.viewport(), &click);
    EXPECT_EQ(pane.toPlainText(), "abcd");

    for (int i = 0; i < ReceivePane::kFlushAtChars; ++i)
        pane.showReceived('z');
    EXPECT_EQ(pane.toPlainText().size(), 4 + ReceivePane::kFlushAtChars);
}

TEST_F(Pane, InsertPointIsScrolledIntoView) {
    pane.resize(300, 120);
    pane.show();
    for (int line = 0; line < 200; ++line)
        show("line\n");
    QScrollBar* bar = pane.verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->setValue(0); // the operator scrolls back to read
    show("x");
    pane.flushPending();
    EXPECT_EQ(bar->value(), bar->maximum());
}

// The pane keeps at most its scrollback: whole lines go from the top, once
// with a line that says where they are kept, which stays at the top. Lines
// keep their colours and the next character still goes to the insert point.
TEST_F(Pane, OldestWholeLinesGoBeyondTheScrollbackAndTheNoticeStaysOnTop) {
    pane.setScrollbackLimit(200);
    pane.setEchoColour(Qt::red);
    for (int line = 0; line < 40; ++line) {
        show("line " + std::to_string(line) + " of text");
        pane.showEcho('!');
        show("\n");
        pane.flushPending();
    }
    show("part");
    const QString text = shownText();
    EXPECT_LE(pane.document()->characterCount(), 200);
    EXPECT_TRUE(text.startsWith(ReceivePane::scrollbackNotice() + "\nline "));
    EXPECT_EQ(text.count(ReceivePane::scrollbackNotice()), 1);
    EXPECT_TRUE(text.endsWith("line 39 of text!\npart"));
    const QString firstKept = pane.document()->firstBlock().next().text();
    EXPECT_TRUE(firstKept.startsWith("line ") && firstKept.endsWith(" of text!"))
        << firstKept.toStdString();
    EXPECT_EQ(colourAt(text.lastIndexOf('!')), QColor(Qt::red));
    EXPECT_EQ(pane.RxInsertPoint(), pane.document()->characterCount() - 1);
}

} // namespace
} // namespace orvane
