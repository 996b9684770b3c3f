#pragma once

#include "controls/Control.h"
#include "protocol/link/MenuInputs.h"
#include "protocol/link/ModeControls.h"

#include <vector>

namespace orvane {

struct EnabledItem {
    Control item;
    bool enabled;
    bool operator==(const EnabledItem&) const = default;
};

// What the menus show: which menus and items are enabled, and which Code
// menu item is checked.
struct MenuStates {
    std::vector<EnabledItem> enabled;
    std::vector<ItemCheck> checks;
};

MenuStates menuStates(const MenuInputs& inputs);

} // namespace orvane
