#include "terminal/ReceivePane.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>

namespace orvane {
namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "receive_pane_test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
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
    // The operator clicks into the first line and selects part of it.
    QTextCursor caret(pane.document());
    caret.setPosition(1);
    caret.setPosition(3, QTextCursor::KeepAnchor);
    pane.setTextCursor(caret);
    show("!\n");
    EXPECT_EQ(pane.toPlainText(), "hello\nworld!\n");
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
    EXPECT_EQ(pane.toPlainText(), "abc");
    EXPECT_EQ(colourAt(0), QColor(Qt::blue));
    EXPECT_EQ(colourAt(1), QColor(Qt::darkGreen));
    EXPECT_EQ(colourAt(2), QColor(Qt::magenta));
}

TEST_F(Pane, AfterClearingTheNextCharacterStartsAtTheTop) {
    show("abc\ndef");
    pane.clear();
    show("x");
    EXPECT_EQ(pane.toPlainText(), "x");
    EXPECT_EQ(pane.RxInsertPoint(), 1);
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
    EXPECT_EQ(bar->value(), bar->maximum());
}

} // namespace
} // namespace orvane
