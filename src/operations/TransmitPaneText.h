#pragma once

#include "terminal/TransmitSendState.h"

#include <QString>
#include <QStringList>

class QPlainTextEdit;

namespace orvane {

struct Settings;

// The edits made to the transmit pane reTXData: text the toolbar operations
// put in at the caret or below what is there, and what the pump does to the
// first line as it leaves, with how much of that line has gone. The pump's edits touch only the
// first line, so they cost the same however much text waits below it.
class TransmitPaneText {
public:
    TransmitPaneText(QPlainTextEdit& pane, const Settings& settings)
        : pane_(pane), settings_(settings) {}

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
    // The first line, the only one the pump reads.
    QString firstLine() const;
    // A line break follows the first line: it is complete.
    bool firstLineComplete() const;
    // Characters from..to of the first line in the colour of sent text.
    void greySent(int from, int to);
    // The finished first line leaves the pane.
    void dropSentLine();
    QPlainTextEdit& pane() { return pane_; }
    // SentCount and the transmit-pane lock.
    TransmitSendState& sendState() { return sent_; }
    const TransmitSendState& sendState() const { return sent_; }

private:
    QPlainTextEdit& pane_;
    const Settings& settings_;
    TransmitSendState sent_;
};

} // namespace orvane
