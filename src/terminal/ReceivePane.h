#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTextCursor>

namespace orvane {

// The receive pane reRXData. Received and echoed characters go in at
// RxInsertPoint, a cursor of the pane's own: the operator may click, scroll and
// select without diverting the incoming text.
class ReceivePane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ReceivePane(QWidget* parent = nullptr);

    // c is 0x20..0x7E or LF (a line break).
    void showReceived(char c) { insertAtRxInsertPoint(c, receiveFormat_); }
    void showEcho(char c) { insertAtRxInsertPoint(c, echoFormat_); }

    void setReceiveColour(const QColor& colour) { receiveFormat_.setForeground(colour); }
    void setEchoColour(const QColor& colour) { echoFormat_.setForeground(colour); }

    int RxInsertPoint() const { return rxInsertPoint_.position(); }

private:
    void insertAtRxInsertPoint(char c, const QTextCharFormat& format);
    void scrollToRxInsertPoint();

    QTextCursor rxInsertPoint_;
    QTextCharFormat receiveFormat_;
    QTextCharFormat echoFormat_;
};

} // namespace orvane
