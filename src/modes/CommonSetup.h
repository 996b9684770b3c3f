#pragma once

#include "modes/ModeContext.h"

#include <optional>

namespace orvane {

// The start-up step "Setting Screen Parameters": the settings every mode
// shares, then the set-up of the current OperatingMode.
void commonSetup(ModeContext& context);

// Horizontal pixel of the print-squelch markers for a squelch setting, or
// nothing when the setting is below the window's scale (the markers hide).
std::optional<int> printSquelchMarkerX(int setting);

} // namespace orvane
