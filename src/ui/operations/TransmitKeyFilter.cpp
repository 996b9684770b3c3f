#include "ui/operations/TransmitKeyFilter.h"

#include "operations/FileSenders.h"
#include "operations/TransmitPaneText.h"
#include "platform/Sound.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace orvane {

TransmitKeyFilter::TransmitKeyFilter(QPlainTextEdit& pane, TransmitPaneText& text,
                                     const FileSenders& senders, Sound& sound)
    : QObject(&pane), pane_(pane), text_(text), senders_(senders), sound_(sound) {
    pane_.installEventFilter(this);
}

bool TransmitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &pane_ && event->type() == QEvent::KeyPress)
        return reTXDataKeyDown(static_cast<QKeyEvent*>(event)->key());
    return false;
}

bool TransmitKeyFilter::reTXDataKeyDown(int key) {
    text_.restoreTypingColour();
    if (senders_.binarySendActive()) return false;
    const QTextCursor cursor = pane_.textCursor();
    const int caret = cursor.selectionStart();
    const int sent = text_.sendState().sentCount();
    bool allowed = true;
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Left: allowed = caret > sent; break;
    case Qt::Key_Home:
    case Qt::Key_PageUp: allowed = caret - 1 > sent; break;
    case Qt::Key_Up:
        if (cursor.blockNumber() == 0) sound_.playExclamation();
        return false;
    case Qt::Key_Down:
        // On the empty line behind a final line break, or in an empty pane.
        if (cursor.block() == pane_.document()->lastBlock() && cursor.block().text().isEmpty())
            sound_.playExclamation();
        return false;
    default: return false;
    }
    if (!allowed) sound_.playExclamation();
    return !allowed;
}

} // namespace orvane
