#include "ui/terminal/MenuKeys.h"

#include "controls/Control.h"
#include "platform/ControlObjects.h"
#include "ui/terminal/KeyboardCommands.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>

namespace orvane {
namespace {

struct MenuKey {
    Control item;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    // False where the item's own handler is already the key's operation.
    bool runsKey;
};

const MenuKey kMenuKeys[] = {
    {Control::SaveReceivedItem, Qt::Key_E, Qt::AltModifier, false},
    {Control::StopSaveSendItem, Qt::Key_J, Qt::AltModifier, false},
    {Control::ClearReceiveItem, Qt::Key_U, Qt::AltModifier, false},
    {Control::LinkPanicItem, Qt::Key_F7, Qt::AltModifier, true},
    {Control::LinkCwIdItem, Qt::Key_F4, Qt::AltModifier, true},
    {Control::LinkTxEnableItem, Qt::Key_F10, Qt::AltModifier, true},
    {Control::LinkTestTonesItem, Qt::Key_F8, Qt::AltModifier, true},
};

} // namespace

void bindMenuKeys(QMainWindow& window, KeyboardCommands& keys) {
    for (const MenuKey& entry : kMenuKeys) {
        auto* item = findControl<QAction>(window, entry.item);
        if (!item) continue;
        // Text after a tab shows in the menu's shortcut column; a real shortcut
        // would run beside the key table's own handling of the key.
        const QString keyText =
            QKeySequence(QKeyCombination(entry.modifiers, entry.key)).toString();
        item->setText(item->text() + QLatin1Char('\t') + keyText);
        if (!entry.runsKey) continue;
        QObject::connect(item, &QAction::triggered, &window,
                         [&keys, entry] { keys.runKey(entry.key, entry.modifiers); });
        // Offered while the key would act (Test tones not during a link).
        for (QObject* owner : item->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(owner))
                QObject::connect(menu, &QMenu::aboutToShow, item, [&keys, entry, item] {
                    item->setEnabled(keys.wouldRun(entry.key, entry.modifiers));
                });
    }
}

} // namespace orvane
