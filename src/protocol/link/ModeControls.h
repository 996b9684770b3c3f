#pragma once

#include "controls/Control.h"
#include "controls/ToolbarButtons.h"
#include "protocol/link/OperatingMode.h"

#include <optional>
#include <span>
#include <vector>

namespace orvane {

// The controls each mode owns in the main window. A mode whose "de MY"
// buttons take no hints has none.
struct ModeControls {
    OperatingMode mode;
    Control menuItem;
    Control toolbar;
    Toolbar buttons; // the toolbar's buttons by role
    Control txEnableButton;
    std::optional<Control> deMyButton;
    std::optional<Control> hisDeMyButton;
};

// Quoral, AMTOR, P-Mode, Baudot, ASCII, PSK31.
std::span<const ModeControls> allModeControls();
// The controls of a mode; a broadcast uses those of its base mode.
const ModeControls& controlsOf(OperatingMode mode);

struct ItemCheck {
    Control item;
    bool checked;
    bool operator==(const ItemCheck&) const = default;
};

// The Code menu for the mode the console holds: the item of its base mode
// checked, every other item unchecked. A click refused while a sequence runs
// changes nothing here: the checks stay on the mode held.
std::vector<ItemCheck> codeMenuChecks(OperatingMode held);

} // namespace orvane
