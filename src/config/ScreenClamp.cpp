#include "config/ScreenClamp.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr int kSmallestSide = 1;

bool contains(const ScreenArea& screen, int x, int y) {
    // Widened to 64 bits: the file may hold any int.
    const long long right = static_cast<long long>(screen.Left) + screen.Width;
    const long long bottom = static_cast<long long>(screen.Top) + screen.Height;
    return x >= screen.Left && x < right && y >= screen.Top && y < bottom;
}

// Keeps a window of the given size whose corner lies off every screen within
// the first screen.
void placeOnAScreen(int& left, int& top, int width, int height,
                    const std::vector<ScreenArea>& screens) {
    for (const ScreenArea& screen : screens)
        if (contains(screen, left, top)) return;
    const ScreenArea& first = screens.front();
    left = std::clamp(left, first.Left, first.Left + std::max(0, first.Width - width));
    top = std::clamp(top, first.Top, first.Top + std::max(0, first.Height - height));
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
    placeOnAScreen(layout.MainLeft, layout.MainTop, layout.MainWidth, layout.MainHeight, screens);
    // The monitoring windows keep their own sizes; only their corners are known here.
    placeOnAScreen(layout.AmpTuneLeft, layout.AmpTuneTop, 0, 0, screens);
    placeOnAScreen(layout.FreqTuneLeft, layout.FreqTuneTop, 0, 0, screens);
    placeOnAScreen(layout.QuoralStatLeft, layout.QuoralStatTop, 0, 0, screens);
    return layout;
}

} // namespace orvane
