#include "ui/terminal/OperatorEditUndo.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace orvane {
namespace {

// The plain text between two positions, line breaks as "\n".
QString textBetween(QTextDocument& document, int from, int to) {
    QTextCursor cursor(&document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

int plainLength(const QTextDocument& document) {
    return document.characterCount() - 1;
}

} // namespace

// A key, a paste or a cut changes at most the selection and the lines next
// to it (a Backspace joins the line above, a Delete the one below).
OperatorEditUndo::Lines OperatorEditUndo::linesAroundSelection() const {
    QTextDocument& document = *pane_.document();
    const QTextCursor cursor = pane_.textCursor();
    QTextBlock first = document.findBlock(cursor.selectionStart());
    if (first.previous().isValid()) first = first.previous();
    QTextBlock last = document.findBlock(cursor.selectionEnd());
    if (last.next().isValid()) last = last.next();
    Lines lines;
    lines.start = first.position();
    lines.end = std::min(last.position() + last.length(), plainLength(document));
    lines.text = textBetween(document, lines.start, lines.end);
    return lines;
}

void OperatorEditUndo::beginEdit() {
    if (depth_++ > 0) return;
    before_ = linesAroundSelection();
    lengthBefore_ = plainLength(*pane_.document());
}

void OperatorEditUndo::endEdit() {
    if (--depth_ > 0) return;
    QTextDocument& document = *pane_.document();
    const int end = before_.end + plainLength(document) - lengthBefore_;
    if (end < before_.start) {
        forget();
        return;
    }
    const QString& old = before_.text;
    const QString now = textBetween(document, before_.start, end);
    const qsizetype shorter = std::min(old.size(), now.size());
    qsizetype prefix = 0;
    while (prefix < shorter && old[prefix] == now[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    if (prefix + suffix == old.size() && prefix + suffix == now.size()) return; // moved, no edit
    remember({before_.start + static_cast<int>(prefix),
              old.mid(prefix, old.size() - prefix - suffix),
              now.mid(prefix, now.size() - prefix - suffix)});
}

void OperatorEditUndo::remember(Edit edit) {
    const bool typingOn =
        last_ && edit.removed.isEmpty() && edit.position == last_->position + last_->added.size();
    if (typingOn)
        last_->added += edit.added;
    else
        last_ = std::move(edit);
}

void OperatorEditUndo::programInserted(int position, int length) {
    if (!last_) return;
    if (position <= last_->position)
        last_->position += length;
    else if (position < last_->position + last_->added.size())
        forget();
}

void OperatorEditUndo::undo() {
    if (!last_) return;
    const Edit edit = std::move(*last_);
    last_.reset();
    QTextDocument& document = *pane_.document();
    const int end = edit.position + static_cast<int>(edit.added.size());
    if (end > plainLength(document) || textBetween(document, edit.position, end) != edit.added)
        return;
    QTextCursor cursor(&document);
    cursor.setPosition(edit.position);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(edit.removed);
    pane_.setTextCursor(cursor);
}

} // namespace orvane
