#include "ui/loader/LoaderInputGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace orvane {
namespace {

bool isOperatorInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel: return true;
    default: return false;
    }
}

} // namespace

LoaderInputGuard::LoaderInputGuard(QWidget& mainWindow, QWidget& allowed)
    : mainWindow_(&mainWindow), allowed_(&allowed) {
    QCoreApplication::instance()->installEventFilter(this);
}

LoaderInputGuard::~LoaderInputGuard() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool LoaderInputGuard::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !mainWindow_) return false;
    if (event->type() == QEvent::Close && widget == mainWindow_) {
        event->ignore();
        return true;
    }
    if (!isOperatorInput(event->type()) || widget->window() != mainWindow_) return false;
    return !(allowed_ && (widget == allowed_ || allowed_->isAncestorOf(widget)));
}

} // namespace orvane
