#pragma once

#include <QString>

class QTextEdit;

namespace orvane {

struct Settings;

// The edits the toolbar operations make to the transmit pane reTXData: text
// put in at the caret or below what is there, for the pump to send.
class TransmitPaneText {
public:
    TransmitPaneText(QTextEdit& pane, const Settings& settings) : pane_(pane), settings_(settings) {}

    bool isEmpty() const;
    bool caretAtLineStart() const;
    void insertAtCaret(const QString& text);
    // Each line below the pane's text, on lines of its own.
    void appendLines(const QStringList& lines);
    void setText(const QString& text);
    // New typing in the transmit text colour again.
    void restoreTypingColour();
    // The caret to the end of the text.
    void moveCaretToEnd();
    QTextEdit& pane() { return pane_; }

private:
    QTextEdit& pane_;
    const Settings& settings_;
};

} // namespace orvane
