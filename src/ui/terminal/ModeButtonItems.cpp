#include "ui/terminal/ModeButtonItems.h"

#include "platform/ControlObjects.h"
#include "protocol/link/LinkState.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace orvane {
namespace {

Toolbar toolbarOf(OperatingMode mode) {
    switch (baseMode(mode)) {
    case OperatingMode::Quoral: return Toolbar::Quoral;
    case OperatingMode::Amtor: return Toolbar::Amtor;
    case OperatingMode::PMode: return Toolbar::PMode;
    case OperatingMode::Baudot: return Toolbar::Baudot;
    case OperatingMode::Psk31: return Toolbar::Psk31;
    default: return Toolbar::Ascii;
    }
}

} // namespace

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
    const Toolbar toolbar = toolbarOf(link_.operatingMode);
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
