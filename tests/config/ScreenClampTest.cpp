#include "config/ScreenClamp.h"

#include <gtest/gtest.h>

#include <climits>

namespace orvane {
namespace {

const std::vector<ScreenArea> kTwoScreens{{0, 0, 1280, 800}, {1280, 0, 1920, 1080}};

struct ClampCase {
    const char* name;
    ScreenArea in;
    ScreenArea out;
};

ScreenLayout mainAt(const ScreenArea& area) {
    ScreenLayout layout;
    layout.MainLeft = area.Left;
    layout.MainTop = area.Top;
    layout.MainWidth = area.Width;
    layout.MainHeight = area.Height;
    return layout;
}

// The main window as the file gives it: sized for the screens, then placed
// where the operator can reach it.
ScreenArea placed(const ScreenArea& stored) {
    const ScreenLayout sized = clampToScreens(mainAt(stored), kTwoScreens);
    return reachablePlace({sized.MainLeft, sized.MainTop, sized.MainWidth, sized.MainHeight},
                          kTwoScreens);
}

TEST(ScreenClamp, TheMainWindowFitsAndLandsWhereItCanBeReached) {
    const ClampCase cases[] = {
        {"fits as it is", {100, 50, 750, 390}, {100, 50, 750, 390}},
        {"on the second screen", {1500, 100, 750, 390}, {1500, 100, 750, 390}},
        {"huge size", {0, 0, INT_MAX, INT_MAX}, {0, 0, 1920, 1080}},
        {"negative size", {0, 0, -5, 0}, {0, 0, 1, 1}},
        {"far off to the right", {INT_MAX, INT_MAX, 750, 390}, {530, 410, 750, 390}},
        {"off to the top left", {INT_MIN, -200, 750, 390}, {0, 0, 750, 390}},
        {"title bar above the screen", {100, -50, 750, 390}, {100, 0, 750, 390}},
        {"only a 10 x 10 corner showing", {3190, 1070, 750, 390}, {2450, 690, 750, 390}},
        {"a third showing stays", {-500, 100, 750, 390}, {-500, 100, 750, 390}},
        {"on a screen that has gone", {4000, 100, 750, 390}, {530, 100, 750, 390}},
    };
    for (const ClampCase& c : cases)
        EXPECT_EQ(placed(c.in), c.out) << c.name;
}

TEST(ScreenClamp, ThePaneSplitIsKeptInBoundsAndNothingChangesWithoutScreens) {
    ScreenLayout in = mainAt({10, 10, 750, 390});
    in.TransmitHeight = 100000;
    EXPECT_EQ(clampToScreens(in, kTwoScreens).TransmitHeight, 390);
    EXPECT_EQ(clampToScreens(in, {}), in);
    EXPECT_EQ(reachablePlace({INT_MAX, 0, 10, 10}, {}), (ScreenArea{INT_MAX, 0, 10, 10}));
}

} // namespace
} // namespace orvane
