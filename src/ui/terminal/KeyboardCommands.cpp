#include "ui/terminal/KeyboardCommands.h"

#include "protocol/link/LinkState.h"
#include "terminal/keys/KeyActionTarget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace orvane {

namespace {
KeyContext contextOf(const LinkState& link) {
    return KeyContext{link.operatingMode, link.linkUp, link.txActive};
}
} // namespace

KeyboardCommands::KeyboardCommands(QWidget& mainWindow, const LinkState& link,
                                   KeyActionTarget& target)
    : mainWindow_(mainWindow), link_(link), target_(target) {
    qApp->installEventFilter(this);
}

bool KeyboardCommands::insideMainWindow(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == &mainWindow_;
}

bool KeyboardCommands::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    if (!insideMainWindow(watched)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // Claiming the key here keeps shortcuts and accelerators from taking
        // it; the key press that follows is then run and swallowed.
        if (decideKey(key->key(), key->modifiers(), contextOf(link_)).consumed) event->accept();
        return false;
    }
    return runKey(key->key(), key->modifiers());
}

bool KeyboardCommands::runKey(int key, Qt::KeyboardModifiers modifiers) {
    const KeyDecision decision = decideKey(key, modifiers, contextOf(link_));
    if (decision.action) target_.runKeyAction(*decision.action);
    return decision.consumed;
}

bool KeyboardCommands::wouldRun(int key, Qt::KeyboardModifiers modifiers) const {
    return decideKey(key, modifiers, contextOf(link_)).action.has_value();
}

} // namespace orvane
