#include "terminal/ReceivePane.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace orvane {

ReceivePane::ReceivePane(QWidget* parent) : QPlainTextEdit(parent), rxInsertPoint_(document()) {
    setObjectName("reRXData");
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::ClickFocus);
    setUndoRedoEnabled(false);
    receiveFormat_.setForeground(Qt::black);
    echoFormat_.setForeground(Qt::red);
}

void ReceivePane::insertAtRxInsertPoint(char c, const QTextCharFormat& format) {
    // The cursor follows edits of the document, so after the pane is cleared
    // it sits at the start of the empty text.
    if (c == '\n')
        rxInsertPoint_.insertBlock();
    else
        rxInsertPoint_.insertText(QString(QChar::fromLatin1(c)), format);
    scrollToRxInsertPoint();
}

void ReceivePane::scrollToRxInsertPoint() {
    const QRect where = cursorRect(rxInsertPoint_);
    const QRect visible = viewport()->rect();
    if (visible.contains(where)) return;
    QScrollBar* bar = verticalScrollBar();
    if (rxInsertPoint_.atEnd()) {
        bar->setValue(bar->maximum());
        return;
    }
    // The scroll bar counts lines here: bring the line of the insertion point
    // to the top, or to the bottom when it lies below the view.
    const int line = rxInsertPoint_.block().firstLineNumber() +
                     rxInsertPoint_.block()
                         .layout()
                         ->lineForTextPosition(rxInsertPoint_.positionInBlock())
                         .lineNumber();
    const int linesShown = qMax(1, visible.height() / qMax(1, fontMetrics().lineSpacing()));
    bar->setValue(where.top() < visible.top() ? line : line - linesShown + 1);
}

} // namespace orvane
