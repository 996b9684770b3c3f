#pragma once

#include "ui/terminal/OperatorEditUndo.h"

#include <QColor>
#include <QPlainTextEdit>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTimer>
#include <vector>

namespace orvane {

// The receive pane reRXData. Received and echoed characters go in at
// RxInsertPoint, a cursor of the pane's own: the operator may click, scroll and
// select without diverting the incoming text.
//
// The pane keeps at most the scrollback it is given: the oldest whole lines
// go, and the first time they do a line at the top says where they are kept.
//
// Laying out a line costs far more than the character that changed it, so
// characters are gathered for a few milliseconds (or a few hundred of them)
// and inserted run by run, each in the colour it was shown with. Anything
// that reads or changes the text first calls flushPending(); input events do
// so by themselves.
class ReceivePane : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kFlushDelayMs = 10;
    static constexpr qsizetype kFlushAtChars = 500;

    explicit ReceivePane(QWidget* parent = nullptr);

    // c is 0x20..0x7E or LF (a line break).
    void showReceived(char c) { queueAtRxInsertPoint(c, receiveFormat_); }
    void showEcho(char c) { queueAtRxInsertPoint(c, echoFormat_); }

    // Applies to the characters shown from now on.
    void setReceiveColour(const QColor& colour) { receiveFormat_.setForeground(colour); }
    void setEchoColour(const QColor& colour) { echoFormat_.setForeground(colour); }

    // How many characters the pane keeps at most; applies from the next flush.
    void setScrollbackLimit(qsizetype chars) { scrollbackChars_ = chars; }
    static const QString& scrollbackNotice();

    // Empties the pane, with the characters not yet inserted.
    void clearReceived();
    void flushPending();
    int RxInsertPoint();

    // The Edit menu's Undo and Cut: the operator's own last edit, never the
    // received text.
    void undo() { edits_.undo(); }
    bool isUndoAvailable() const { return edits_.available(); }
    void cut();

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* e) override;

private:
    struct Run {
        QTextCharFormat format;
        QString text;
    };
    void queueAtRxInsertPoint(char c, const QTextCharFormat& format);
    void flushBefore(const QEvent* e);
    void scrollToRxInsertPoint();
    void keepWithinScrollback();
    void pinScrollbackNotice();

    QTextCursor rxInsertPoint_;
    QTextCharFormat receiveFormat_;
    QTextCharFormat echoFormat_;
    std::vector<Run> pending_;
    qsizetype pendingChars_ = 0;
    QTimer flushTimer_;
    OperatorEditUndo edits_{*this};
    qsizetype scrollbackChars_ = 0; // none: no limit
    bool noticePinned_ = false;     // the notice is the first line
};

} // namespace orvane
