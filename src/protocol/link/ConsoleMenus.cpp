#include "protocol/link/ConsoleMenus.h"

#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/MenuStates.h"

namespace orvane {

void ConsoleMenus::note(MenuEvent event) {
    inputs_ = after(inputs_, event);
    show();
}

void ConsoleMenus::checkMode(OperatingMode mode) {
    inputs_.checkedMode = mode;
    show();
}

// Every item, not only those that changed: a checkable item toggles itself
// when clicked, and the checks must come back to the mode held.
void ConsoleMenus::show() {
    const MenuStates states = menuStates(inputs_);
    for (const EnabledItem& item : states.enabled)
        surface_.setEnabled(item.item, item.enabled);
    for (const ItemCheck& check : states.checks)
        surface_.setChecked(check.item, check.checked);
}

} // namespace orvane
