#pragma once

#include "terminal/TransmitSendState.h"

#include <QString>
#include <QStringList>

namespace orvane {

// The edits made to the transmit pane reTXData: text the toolbar operations
// put in at the caret or below what is there, and what the pump does to the
// first line as it leaves, with how much of that line has gone. The pump's
// edits touch only the first line, so they cost the same however much text
// waits below it. The window implements it over the pane's widget
// (ui/terminal/TransmitPaneEdits).
class TransmitPaneText {
public:
    virtual ~TransmitPaneText() = default;

    virtual bool isEmpty() const = 0;
    virtual bool caretAtLineStart() const = 0;
    virtual void insertAtCaret(const QString& text) = 0;
    // Each line below the pane's text, on lines of its own.
    virtual void appendLines(const QStringList& lines) = 0;
    virtual void setText(const QString& text) = 0;
    // New typing in the transmit text colour again.
    virtual void restoreTypingColour() = 0;
    // The caret to the start or the end of the text.
    virtual void moveCaretToStart() = 0;
    virtual void moveCaretToEnd() = 0;
    // The first line, the only one the pump reads.
    virtual QString firstLine() const = 0;
    // A line break follows the first line: it is complete.
    virtual bool firstLineComplete() const = 0;
    // Characters from..to of the first line in the colour of sent text.
    virtual void greySent(int from, int to) = 0;
    // The finished first line leaves the pane.
    virtual void dropSentLine() = 0;
    // Text the modem has not had yet: the first line beyond what has gone, or
    // its line break.
    bool holdsUnsentText() const {
        return firstLine().size() > sent_.sentCount() || firstLineComplete();
    }
    // SentCount and the transmit-pane lock.
    TransmitSendState& sendState() { return sent_; }
    const TransmitSendState& sendState() const { return sent_; }

private:
    TransmitSendState sent_;
};

} // namespace orvane
