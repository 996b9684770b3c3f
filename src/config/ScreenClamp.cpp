#include "config/ScreenClamp.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr int kSmallestSide = 1;

// Widened to 64 bits: the file may hold any int.
long long overlap(int start, int length, int otherStart, int otherLength) {
    const long long from = std::max<long long>(start, otherStart);
    const long long to = std::min(static_cast<long long>(start) + length,
                                  static_cast<long long>(otherStart) + otherLength);
    return std::max(0LL, to - from);
}

long long overlapArea(const ScreenArea& window, const ScreenArea& screen) {
    return overlap(window.Left, window.Width, screen.Left, screen.Width) *
           overlap(window.Top, window.Height, screen.Top, screen.Height);
}

bool reachableOn(const ScreenArea& window, const ScreenArea& screen) {
    const long long bottom = static_cast<long long>(screen.Top) + screen.Height;
    const bool titleBarOnScreen = window.Top >= screen.Top && window.Top < bottom;
    return titleBarOnScreen &&
           3 * overlap(window.Left, window.Width, screen.Left, screen.Width) >= window.Width &&
           3 * overlap(window.Top, window.Height, screen.Top, screen.Height) >= window.Height;
}

// The start that puts a window of `length` inside the screen, or at the
// screen's start when it is longer.
int within(int start, int length, int screenStart, int screenLength) {
    const long long last = static_cast<long long>(screenStart) + std::max(0, screenLength - length);
    return static_cast<int>(std::clamp<long long>(start, screenStart, last));
}

} // namespace

ScreenLayout clampToScreens(ScreenLayout layout, const std::vector<ScreenArea>& screens) {
    if (screens.empty()) return layout;
    int widest = kSmallestSide, tallest = kSmallestSide;
    for (const ScreenArea& screen : screens) {
        widest = std::max(widest, screen.Width);
        tallest = std::max(tallest, screen.Height);
    }
    layout.MainWidth = std::clamp(layout.MainWidth, kSmallestSide, widest);
    layout.MainHeight = std::clamp(layout.MainHeight, kSmallestSide, tallest);
    layout.TransmitHeight = std::clamp(layout.TransmitHeight, 0, layout.MainHeight);
    return layout;
}

ScreenArea reachablePlace(const ScreenArea& window, const std::vector<ScreenArea>& screens) {
    if (screens.empty()) return window;
    if (std::any_of(screens.begin(), screens.end(),
                    [&](const ScreenArea& screen) { return reachableOn(window, screen); }))
        return window;
    const ScreenArea* target = &screens.front();
    for (const ScreenArea& screen : screens)
        if (overlapArea(window, screen) > overlapArea(window, *target)) target = &screen;
    ScreenArea placed = window;
    placed.Left = within(window.Left, window.Width, target->Left, target->Width);
    placed.Top = within(window.Top, window.Height, target->Top, target->Height);
    return placed;
}

} // namespace orvane
