#include "terminal/keys/KeyboardCommands.h"

#include "config/ConfigChanged.h"
#include "platform/Clock.h"
#include "platform/FileActivity.h"
#include "protocol/link/LinkState.h"
#include "terminal/PaneCommands.h"
#include "terminal/ReceiveSaving.h"
#include "terminal/keys/TimeStamps.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextEdit>

namespace orvane {

KeyboardCommands::KeyboardCommands(Parts parts) : p_(parts) {
    qApp->installEventFilter(this);
}

bool KeyboardCommands::insideMainWindow(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == &p_.mainWindow;
}

bool KeyboardCommands::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    if (!insideMainWindow(watched)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // Claiming the key here keeps shortcuts and accelerators from taking
        // it; the key press that follows is then run and swallowed.
        const KeyContext context{p_.link.operatingMode, p_.link.linkUp, p_.link.txActive};
        if (decideKey(key->key(), key->modifiers(), context).consumed) event->accept();
        return false;
    }
    return FormKeyDown(key->key(), key->modifiers());
}

bool KeyboardCommands::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const KeyContext context{p_.link.operatingMode, p_.link.linkUp, p_.link.txActive};
    const KeyDecision decision = decideKey(key, modifiers, context);
    if (decision.action) run(*decision.action);
    return decision.consumed;
}

void KeyboardCommands::insert(const std::string& text) {
    p_.transmitPane.textCursor().insertText(QString::fromLatin1(text.data(), qsizetype(text.size())));
}

void KeyboardCommands::run(KeyAction action) {
    const auto now = p_.clock.now();
    switch (action) {
    case KeyAction::InsertDate: insert(timeStampText(TimeStamp::Date, now)); break;
    case KeyAction::InsertTimeAndDate: insert(timeStampText(TimeStamp::TimeAndDate, now)); break;
    case KeyAction::InsertTime: insert(timeStampText(TimeStamp::Time, now)); break;
    case KeyAction::InsertDateTimeGroup: insert(timeStampText(TimeStamp::DateTimeGroup, now)); break;
    case KeyAction::InsertCallExchange: insert(p_.otherCall + " DE " + p_.ownCall + " "); break;
    case KeyAction::InsertOtherCall: insert(p_.otherCall + " "); break;
    case KeyAction::InsertOwnCall: insert(p_.ownCall + " "); break;
    case KeyAction::InsertLettersShifts: insert(std::string(12, '<')); break;
    case KeyAction::InsertCurrencySign: insert("\xA4"); break;
    case KeyAction::SaveRx: p_.saving.mnuFilesSaveRXClick(); break;
    case KeyAction::StopDiskSaveSend: p_.saving.mnuFilesStopSaveSendClick(); break;
    case KeyAction::ClearReceive: p_.panes.ClearReceive(); break;
    case KeyAction::ClearTransmit:
        p_.transmitPane.clear();
        p_.endOfLine.queueEndOfLineIfSyncIdle();
        break;
    case KeyAction::MarkConfigChanged: p_.configChanged.set(); break;
    default:
        // The operations these keys run (help, panels, toggles, calls, CW ID,
        // Forced OVER, end of transmission) are connected as they arrive.
        break;
    }
}

} // namespace orvane
