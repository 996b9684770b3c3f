#include "config/ScreenClamp.h"

#include <gtest/gtest.h>

#include <climits>

namespace orvane {
namespace {

const std::vector<ScreenArea> kTwoScreens{{0, 0, 1280, 800}, {1280, 0, 1920, 1080}};

struct ClampCase {
    const char* name;
    ScreenLayout in;
    int left, top, width, height;
};

ScreenLayout mainAt(int left, int top, int width, int height) {
    ScreenLayout layout;
    layout.MainLeft = left;
    layout.MainTop = top;
    layout.MainWidth = width;
    layout.MainHeight = height;
    return layout;
}

TEST(ScreenClamp, TheMainWindowFitsAndLandsOnAScreen) {
    const ClampCase cases[] = {
        {"fits as it is", mainAt(100, 50, 750, 390), 100, 50, 750, 390},
        {"on the second screen", mainAt(1500, 100, 750, 390), 1500, 100, 750, 390},
        {"huge size", mainAt(0, 0, INT_MAX, INT_MAX), 0, 0, 1920, 1080},
        {"negative size", mainAt(0, 0, -5, 0), 0, 0, 1, 1},
        {"far off to the right", mainAt(INT_MAX, INT_MAX, 750, 390), 530, 410, 750, 390},
        {"off to the top left", mainAt(INT_MIN, -200, 750, 390), 0, 0, 750, 390},
    };
    for (const ClampCase& c : cases) {
        const ScreenLayout out = clampToScreens(c.in, kTwoScreens);
        EXPECT_EQ(out.MainLeft, c.left) << c.name;
        EXPECT_EQ(out.MainTop, c.top) << c.name;
        EXPECT_EQ(out.MainWidth, c.width) << c.name;
        EXPECT_EQ(out.MainHeight, c.height) << c.name;
    }
}

TEST(ScreenClamp, MonitorWindowsAndThePaneSplitAreKeptInBounds) {
    ScreenLayout in = mainAt(10, 10, 750, 390);
    in.TransmitHeight = 100000;
    in.AmpTuneLeft = -90000;
    in.QuoralStatLeft = 2000; // on the second screen: stays
    const ScreenLayout out = clampToScreens(in, kTwoScreens);
    EXPECT_EQ(out.TransmitHeight, 390);
    EXPECT_EQ(out.AmpTuneLeft, 0);
    EXPECT_EQ(out.QuoralStatLeft, 2000);
    EXPECT_EQ(clampToScreens(in, {}), in); // nothing known: nothing changed
}

} // namespace
} // namespace orvane
