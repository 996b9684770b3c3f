// Saved window places from the settings file on the screens there are now:
// every window opens where the operator can take hold of it.
#include "ui/main/MainWindow.h"
#include "ui/main/SecondaryWindows.h"
#include "ui/main/WindowPlacement.h"

#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace orvane {
namespace {

const ScreenArea kLaptop{0, 0, 1280, 800};
const ScreenArea kMonitorBeside{1280, 0, 1920, 1080};

ScreenLayout allAt(int left, int top, int width, int height) {
    ScreenLayout layout;
    layout.MainLeft = layout.AmpTuneLeft = layout.FreqTuneLeft = layout.QuoralStatLeft = left;
    layout.MainTop = layout.AmpTuneTop = layout.FreqTuneTop = layout.QuoralStatTop = top;
    layout.MainWidth = width;
    layout.MainHeight = height;
    return layout;
}

int overlap(int start, int length, int otherStart, int otherLength) {
    return std::max(0, std::min(start + length, otherStart + otherLength) -
                           std::max(start, otherStart));
}

// Its title bar on a screen, and a third of it or more on that screen.
bool canBeTakenHold(const QWidget& window, const std::vector<ScreenArea>& screens) {
    const QRect r = window.frameGeometry();
    return std::any_of(screens.begin(), screens.end(), [&](const ScreenArea& s) {
        return r.top() >= s.Top && r.top() < s.Top + s.Height &&
               3 * overlap(r.left(), r.width(), s.Left, s.Width) >= r.width() &&
               3 * overlap(r.top(), r.height(), s.Top, s.Height) >= r.height();
    });
}

TEST(WindowPlacement, EveryWindowOpensAtLeastAThirdOnAScreenWithItsTitleBarReachable) {
    const struct Row {
        const char* what;
        ScreenLayout stored;
        std::vector<ScreenArea> screens;
    } rows[] = {
        {"far off the screen", allAt(5000, 5000, 750, 390), {kLaptop}},
        {"far off to the top left", allAt(-9000, -9000, 750, 390), {kLaptop, kMonitorBeside}},
        {"tiny size in the far corner", allAt(1279, 799, 1, 1), {kLaptop}},
        {"huge size", allAt(0, 0, INT_MAX, INT_MAX), {kLaptop}},
        {"only a 10 x 10 corner on the screen", allAt(1270, 790, 750, 390), {kLaptop}},
        {"title bars above the screen", allAt(100, -60, 750, 390), {kLaptop}},
        {"on a screen removed since the save", allAt(2500, 300, 750, 390), {kLaptop}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        MainWindow main(new QTextEdit);
        const SecondaryWindows windows = SecondaryWindows::createMonitorWindows(&main, {});
        const ScreenLayout applied =
            applyScreenLayout(clampToScreens(row.stored, row.screens), main, windows, row.screens);
        main.show(); // at the size its contents need
        for (const QWidget* window : {static_cast<const QWidget*>(&main),
                                      static_cast<const QWidget*>(windows.amplitudeTune),
                                      static_cast<const QWidget*>(windows.frequencyTune),
                                      static_cast<const QWidget*>(windows.quoralStatistics)})
            EXPECT_TRUE(canBeTakenHold(*window, row.screens))
                << window->objectName().toStdString() << " at " << window->x() << "," << window->y()
                << " " << window->width() << "x" << window->height();
        // What the next save writes is where the window really is, at its real size.
        EXPECT_EQ(applied.MainWidth, main.width());
        EXPECT_EQ(applied.MainHeight, main.height());
        EXPECT_EQ(applied.MainLeft, main.x());
        EXPECT_EQ(applied.MainTop, main.y());
    }
}

} // namespace
} // namespace orvane
