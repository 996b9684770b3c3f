#pragma once

#include "config/ScreenLayout.h"

#include <vector>

namespace orvane {

// A screen's usable area, or a window's place and size, in desktop coordinates.
struct ScreenArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const ScreenArea&) const = default;
};

// The sizes from the settings file made safe for the screens that exist: no
// main window larger than the largest screen, and the transmit pane no
// taller than the main window. With no screen known the layout is returned
// as it is. The places follow once the windows' real sizes are known
// (reachablePlace).
ScreenLayout clampToScreens(ScreenLayout layout, const std::vector<ScreenArea>& screens);

// Where a window goes so that the operator can reach it. It stays where it is
// when its top edge (the title bar) lies on a screen and at least a third of
// its width and a third of its height are on that screen. Otherwise it is
// moved wholly onto the screen it overlaps most, or onto the first screen
// when it overlaps none, as far as its size allows. With no screen known it
// stays.
ScreenArea reachablePlace(const ScreenArea& window, const std::vector<ScreenArea>& screens);

} // namespace orvane
