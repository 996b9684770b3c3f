#include "config/ScreenLayout.h"

namespace orvane {

ScreenLayout DefaultScreenLayout(const ScreenMetrics& screen, int mainWidth, int mainHeight) {
    // Every halving truncates toward zero, as C++ division does.
    ScreenLayout layout;
    layout.MainWidth = mainWidth;
    layout.MainHeight = mainHeight;
    layout.MainLeft = screen.ScreenWidth / 2 - mainWidth / 2;
    layout.MainTop = screen.ScreenHeight / 2 - mainHeight / 2;
    layout.AmpTuneLeft = screen.ScreenWidth / 2 - screen.AmpTuneWidth / 2;
    layout.AmpTuneTop = screen.ScreenHeight / 2;
    layout.FreqTuneLeft = screen.ScreenWidth / 2 - screen.FreqTuneWidth / 2;
    layout.FreqTuneTop = screen.ScreenHeight / 2;
    layout.QuoralStatLeft = screen.ScreenWidth / 2 - screen.QuoralStatWidth / 2;
    layout.QuoralStatTop = screen.ScreenHeight / 2;
    return layout;
}

} // namespace orvane
