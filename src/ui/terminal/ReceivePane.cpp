#include "ui/terminal/ReceivePane.h"

#include "platform/ControlObjects.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace orvane {

ReceivePane::ReceivePane(QWidget* parent) : QPlainTextEdit(parent), rxInsertPoint_(document()) {
    nameControl(*this, Control::ReceivePane);
    // The operator may type and paste here; that text is never transmitted.
    // The document keeps no undo history, as the pane grows for hours with
    // received text: the operator's own edits are undone by edits_.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::ClickFocus);
    setUndoRedoEnabled(false);
    receiveFormat_.setForeground(Qt::black);
    echoFormat_.setForeground(Qt::red);
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kFlushDelayMs);
    connect(&flushTimer_, &QTimer::timeout, this, &ReceivePane::flushPending);
}

void ReceivePane::queueAtRxInsertPoint(char c, const QTextCharFormat& format) {
    if (pending_.empty() || pending_.back().format != format) pending_.push_back({format, {}});
    pending_.back().text += QChar::fromLatin1(c);
    if (++pendingChars_ >= kFlushAtChars)
        flushPending();
    else if (!flushTimer_.isActive())
        flushTimer_.start();
}

void ReceivePane::flushPending() {
    flushTimer_.stop();
    if (pending_.empty()) return;
    // The cursor follows edits of the document, so after the pane is cleared
    // it sits at the start of the empty text.
    const int insertedAt = rxInsertPoint_.position();
    rxInsertPoint_.beginEditBlock();
    for (const Run& run : pending_)
        rxInsertPoint_.insertText(run.text, run.format);
    rxInsertPoint_.endEditBlock();
    edits_.programInserted(insertedAt, static_cast<int>(pendingChars_));
    pending_.clear();
    pendingChars_ = 0;
    keepWithinScrollback();
    scrollToRxInsertPoint();
}

const QString& ReceivePane::scrollbackNotice() {
    static const QString notice = QStringLiteral(
        "[Older received text has left this pane; the session log keeps all of it.]");
    return notice;
}

// Whole lines go from the top, below the notice, down to a little under the
// limit so that this is not done again at the next flush. The line the next
// character goes into stays.
void ReceivePane::keepWithinScrollback() {
    QTextDocument* text = document();
    if (scrollbackChars_ <= 0 || text->characterCount() <= scrollbackChars_) return;
    pinScrollbackNotice();
    const qsizetype target = scrollbackChars_ - scrollbackChars_ / 16;
    qsizetype excess = text->characterCount() - target;
    const QTextBlock first = noticePinned_ ? text->firstBlock().next() : text->firstBlock();
    QTextBlock end = first;
    while (excess > 0 && end.isValid() && end != rxInsertPoint_.block()) {
        excess -= end.length();
        end = end.next();
    }
    if (!end.isValid() || end == first) return;
    QTextCursor cut(text);
    cut.setPosition(first.position());
    cut.setPosition(end.position(), QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

// Said once, as the pane's first line, in the receive colour set apart.
void ReceivePane::pinScrollbackNotice() {
    if (noticePinned_) return;
    noticePinned_ = true;
    QTextCharFormat aside = receiveFormat_;
    aside.setFontItalic(true);
    QTextCursor top(document());
    top.insertText(scrollbackNotice() + QLatin1Char('\n'), aside);
}

void ReceivePane::clearReceived() {
    flushTimer_.stop();
    pending_.clear();
    pendingChars_ = 0;
    clear();
    edits_.forget();
    noticePinned_ = false;
}

int ReceivePane::RxInsertPoint() {
    flushPending();
    return rxInsertPoint_.position();
}

void ReceivePane::flushBefore(const QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::InputMethod: flushPending(); break;
    default: break;
    }
}

void ReceivePane::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Undo)) {
        undo();
        e->accept();
        return;
    }
    edits_.beginEdit();
    QPlainTextEdit::keyPressEvent(e);
    edits_.endEdit();
}

void ReceivePane::inputMethodEvent(QInputMethodEvent* e) {
    edits_.beginEdit();
    QPlainTextEdit::inputMethodEvent(e);
    edits_.endEdit();
}

void ReceivePane::insertFromMimeData(const QMimeData* source) {
    edits_.beginEdit();
    QPlainTextEdit::insertFromMimeData(source);
    edits_.endEdit();
}

void ReceivePane::cut() {
    edits_.beginEdit();
    QPlainTextEdit::cut();
    edits_.endEdit();
}

// A drag within the pane takes the text from one place to another, which no
// single edit describes: it cannot be undone.
void ReceivePane::dropEvent(QDropEvent* e) {
    QPlainTextEdit::dropEvent(e);
    edits_.forget();
}

bool ReceivePane::event(QEvent* e) {
    flushBefore(e);
    return QPlainTextEdit::event(e);
}

bool ReceivePane::viewportEvent(QEvent* e) {
    flushBefore(e);
    return QPlainTextEdit::viewportEvent(e);
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
