#pragma once

#include "protocol/link/MenuInputs.h"

namespace orvane {

class ConsoleSurface;

// The inputs the main window's menus follow, and the one place that shows
// them: after each change every menu item the inputs decide is set again.
class ConsoleMenus {
public:
    explicit ConsoleMenus(ConsoleSurface& surface) : surface_(surface) {}
    ConsoleMenus(const ConsoleMenus&) = delete;
    ConsoleMenus& operator=(const ConsoleMenus&) = delete;

    const MenuInputs& inputs() const { return inputs_; }

    void note(MenuEvent event);
    // The Code menu checks the item of `mode` (of its base mode for a broadcast).
    void checkMode(OperatingMode mode);

private:
    void show();

    ConsoleSurface& surface_;
    MenuInputs inputs_;
};

} // namespace orvane
