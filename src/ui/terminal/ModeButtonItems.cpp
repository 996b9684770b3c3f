#include "ui/terminal/ModeButtonItems.h"

#include "platform/ControlObjects.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/ModeControls.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace orvane {
ModeButtonItems::ModeButtonItems(QMainWindow& window, const LinkState& link)
    : QObject(&window), window_(window), link_(link) {}

void ModeButtonItems::add(Control item, ButtonRole role) {
    auto* action = findControl<QAction>(window_, item);
    if (!action) return;
    items_.emplace_back(action, role);
    connect(action, &QAction::triggered, this, [this, role] {
        QAction* button = currentButton(role);
        if (button && button->isEnabled()) button->trigger();
    });
    // The items follow their buttons each time their menu opens.
    for (QObject* menu : action->associatedObjects())
        if (auto* owner = qobject_cast<QMenu*>(menu))
            connect(owner, &QMenu::aboutToShow, this, &ModeButtonItems::refresh,
                    Qt::UniqueConnection);
}

QAction* ModeButtonItems::currentButton(ButtonRole role) const {
    const Toolbar toolbar = controlsOf(link_.operatingMode).buttons;
    for (const ToolbarButton& button : kToolbarButtons)
        if (button.toolbar == toolbar && button.role == role)
            return findControl<QAction>(window_, button.control);
    return nullptr;
}

void ModeButtonItems::refresh() {
    for (const auto& [item, role] : items_) {
        QAction* button = currentButton(role);
        item->setEnabled(button && button->isEnabled());
    }
}

} // namespace orvane
