#pragma once

#include "protocol/link/OperatingMode.h"

#include <span>
#include <string_view>

namespace orvane {

// The controls each mode owns in the main window. A mode without "de MY"
// buttons has empty names for them.
struct ModeControls {
    OperatingMode mode;
    std::string_view menuItem;
    std::string_view toolbar;
    std::string_view txEnableButton;
    std::string_view deMyButton;
    std::string_view hisDeMyButton;
};

// Quoral, AMTOR, P-Mode, Baudot, ASCII, PSK31.
std::span<const ModeControls> allModeControls();
// The controls of a mode; a broadcast uses those of its base mode.
const ModeControls& controlsOf(OperatingMode mode);

} // namespace orvane
