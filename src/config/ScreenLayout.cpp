#include "config/ScreenLayout.h"

namespace orvane {
namespace {

// Between two monitoring windows, room for their frames and a little air.
constexpr int kMonitorGap = 24;
// Below a window, room for the next one's title bar and frame.
constexpr int kTitleBarRoom = 40;

} // namespace

ScreenLayout DefaultScreenLayout(const ScreenMetrics& screen, int mainWidth, int mainHeight,
                                 std::optional<int> mainTop) {
    // Every halving truncates toward zero, as C++ division does.
    ScreenLayout layout;
    layout.MainWidth = mainWidth;
    layout.MainHeight = mainHeight;
    layout.MainLeft = screen.ScreenWidth / 2 - mainWidth / 2;
    layout.MainTop = screen.ScreenHeight / 2 - mainHeight / 2;
    const int row =
        screen.AmpTuneWidth + screen.FreqTuneWidth + screen.QuoralStatWidth + 2 * kMonitorGap;
    layout.AmpTuneLeft = screen.ScreenWidth / 2 - row / 2;
    layout.FreqTuneLeft = layout.AmpTuneLeft + screen.AmpTuneWidth + kMonitorGap;
    layout.QuoralStatLeft = layout.FreqTuneLeft + screen.FreqTuneWidth + kMonitorGap;
    const int belowMain = mainTop.value_or(layout.MainTop) + mainHeight + kTitleBarRoom;
    const bool roomBelow = belowMain + screen.MonitorHeight <= screen.ScreenHeight;
    const int top = roomBelow ? belowMain : screen.ScreenHeight / 2;
    layout.AmpTuneTop = layout.FreqTuneTop = layout.QuoralStatTop = top;
    return layout;
}

} // namespace orvane
