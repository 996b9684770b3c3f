#include "ui/surface/PanelDrag.h"

#include <QMouseEvent>
#include <QWidget>

namespace orvane {

PanelDrag::PanelDrag(QWidget& panel) : QObject(&panel), panel_(panel) {
    panel_.installEventFilter(this);
}

void PanelDrag::enableOn(QWidget& panel) {
    new PanelDrag(panel);
}

bool PanelDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &panel_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton) return false;
        grip_ = press->globalPosition().toPoint() - panel_.pos();
        dragging_ = true;
        return true;
    }
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!dragging_ || !(move->buttons() & Qt::LeftButton)) return false;
        panel_.move(move->globalPosition().toPoint() - grip_);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!dragging_) return false;
        dragging_ = false;
        return true;
    default: return false;
    }
}

} // namespace orvane
