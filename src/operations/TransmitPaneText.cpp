#include "operations/TransmitPaneText.h"

#include "config/Colour.h"
#include "config/Settings.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

namespace orvane {
namespace {

QTextCharFormat inColour(const std::string& name) {
    const Rgb rgb = ColourFromName(name);
    QTextCharFormat format;
    format.setForeground(QColor(rgb.Red, rgb.Green, rgb.Blue));
    return format;
}

} // namespace

bool TransmitPaneText::isEmpty() const {
    return pane_.document()->isEmpty();
}

bool TransmitPaneText::caretAtLineStart() const {
    return pane_.textCursor().atBlockStart();
}

void TransmitPaneText::insertAtCaret(const QString& text) {
    pane_.textCursor().insertText(text);
}

void TransmitPaneText::appendLines(const QStringList& lines) {
    QTextCursor cursor(pane_.document());
    cursor.movePosition(QTextCursor::End);
    for (const QString& line : lines) {
        if (!pane_.document()->isEmpty()) cursor.insertBlock();
        cursor.insertText(line);
    }
}

void TransmitPaneText::setText(const QString& text) {
    pane_.setPlainText(text);
}

void TransmitPaneText::restoreTypingColour() {
    pane_.mergeCurrentCharFormat(inColour(settings_.TransmitTextColor));
}

void TransmitPaneText::moveCaretToEnd() {
    pane_.moveCursor(QTextCursor::End);
}

QString TransmitPaneText::firstLine() const {
    return pane_.document()->firstBlock().text();
}

bool TransmitPaneText::firstLineComplete() const {
    return pane_.document()->blockCount() > 1;
}

void TransmitPaneText::greySent(int from, int to) {
    QTextCursor cursor(pane_.document()->firstBlock());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(inColour(settings_.HighLightTextColor));
    // What has left cannot be brought back by Undo and sent twice.
    pane_.document()->clearUndoRedoStacks();
    moveCaretToEnd();
    restoreTypingColour();
}

void TransmitPaneText::dropSentLine() {
    QTextCursor cursor(pane_.document()->firstBlock());
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    pane_.document()->clearUndoRedoStacks();
    moveCaretToEnd();
}

} // namespace orvane
