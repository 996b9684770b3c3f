#pragma once

#include "config/ScreenLayout.h"

#include <vector>

namespace orvane {

// A screen's usable area, in desktop coordinates.
struct ScreenArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The placement from the settings file made safe for the screens that exist:
// no window larger than the largest screen, and every window's top-left corner
// on some screen (a window that would open off every screen is brought onto
// the first). With no screen known the layout is returned as it is.
ScreenLayout clampToScreens(ScreenLayout layout, const std::vector<ScreenArea>& screens);

} // namespace orvane
