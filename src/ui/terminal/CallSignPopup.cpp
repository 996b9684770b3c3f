#include "ui/terminal/CallSignPopup.h"

#include "platform/ControlObjects.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace orvane {

CallSignPopup::CallSignPopup(QPlainTextEdit& pane) : QObject(&pane), pane_(pane) {
    menu_ = new QMenu(&pane);
    nameControl(*menu_, Control::CallSignMenu);
    QAction* add = menu_->addAction(QStringLiteral("Add to HisCall List"));
    nameControl(*add, Control::AddToHisCallListItem);
    QAction* call = menu_->addAction(QStringLiteral("Make call to this callsign"));
    nameControl(*call, Control::CallThisCallSignItem);
    connect(add, &QAction::triggered, this, &CallSignPopup::callSelection);
    connect(call, &QAction::triggered, this, &CallSignPopup::callSelection);
    pane.setContextMenuPolicy(Qt::NoContextMenu);
    pane.viewport()->installEventFilter(this);
}

bool CallSignPopup::reRXDataMouseDown(const QPoint& pos) {
    selection_ = pane_.textCursor().selectedText();
    if (selection_.isEmpty()) return false;
    menu_->popup(menuPosition(pos));
    return true;
}

void CallSignPopup::callSelection() {
    if (handler_) handler_(selection_);
}

bool CallSignPopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            reRXDataMouseDown(mouse->position().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void AcceptDragsFilter::installOn(QWidget& pane) {
    pane.setAcceptDrops(true);
    auto* filter = new AcceptDragsFilter(&pane);
    pane.installEventFilter(filter);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&pane))
        area->viewport()->installEventFilter(filter);
}

bool AcceptDragsFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: static_cast<QDropEvent*>(event)->acceptProposedAction(); return true;
    case QEvent::Drop: event->ignore(); return true;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvane
