#include "ui/terminal/TransmitPaneEdits.h"

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

bool TransmitPaneEdits::isEmpty() const {
    return pane_.document()->isEmpty();
}

bool TransmitPaneEdits::caretAtLineStart() const {
    return pane_.textCursor().atBlockStart();
}

void TransmitPaneEdits::insertAtCaret(const QString& text) {
    pane_.textCursor().insertText(text);
}

void TransmitPaneEdits::appendLines(const QStringList& lines) {
    QTextCursor cursor(pane_.document());
    cursor.movePosition(QTextCursor::End);
    // An empty last line (the text ends in a line break, or there is none)
    // takes the first line itself: a new one would send an empty line first.
    bool onEmptyLine = cursor.block().text().isEmpty();
    for (const QString& line : lines) {
        if (!onEmptyLine) cursor.insertBlock();
        onEmptyLine = false;
        cursor.insertText(line);
    }
}

void TransmitPaneEdits::setText(const QString& text) {
    pane_.setPlainText(text);
}

void TransmitPaneEdits::restoreTypingColour() {
    pane_.mergeCurrentCharFormat(inColour(settings_.TransmitTextColor));
}

void TransmitPaneEdits::moveCaretToStart() {
    pane_.setTextCursor(QTextCursor(pane_.document()));
}

void TransmitPaneEdits::moveCaretToEnd() {
    pane_.moveCursor(QTextCursor::End);
}

QString TransmitPaneEdits::firstLine() const {
    return pane_.document()->firstBlock().text();
}

bool TransmitPaneEdits::firstLineComplete() const {
    return pane_.document()->blockCount() > 1;
}

void TransmitPaneEdits::greySent(int from, int to) {
    QTextCursor cursor(pane_.document()->firstBlock());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(inColour(settings_.HighLightTextColor));
    // What has left cannot be brought back by Undo and sent twice.
    pane_.document()->clearUndoRedoStacks();
    moveCaretToEnd();
    restoreTypingColour();
}

void TransmitPaneEdits::dropSentLine() {
    QTextCursor cursor(pane_.document()->firstBlock());
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    pane_.document()->clearUndoRedoStacks();
    moveCaretToEnd();
}

} // namespace orvane
