#include "operations/TransmitPaneText.h"

#include "config/Colour.h"
#include "config/Settings.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace orvane {

bool TransmitPaneText::isEmpty() const { return pane_.document()->isEmpty(); }

bool TransmitPaneText::caretAtLineStart() const { return pane_.textCursor().atBlockStart(); }

void TransmitPaneText::insertAtCaret(const QString& text) { pane_.textCursor().insertText(text); }

void TransmitPaneText::appendLines(const QStringList& lines) {
    QTextCursor cursor(pane_.document());
    cursor.movePosition(QTextCursor::End);
    for (const QString& line : lines) {
        if (!pane_.document()->isEmpty()) cursor.insertBlock();
        cursor.insertText(line);
    }
}

void TransmitPaneText::setText(const QString& text) { pane_.setPlainText(text); }

void TransmitPaneText::restoreTypingColour() {
    const Rgb rgb = ColourFromName(settings_.TransmitTextColor);
    pane_.setTextColor(QColor(rgb.Red, rgb.Green, rgb.Blue));
}

void TransmitPaneText::moveCaretToEnd() { pane_.moveCursor(QTextCursor::End); }

} // namespace orvane
