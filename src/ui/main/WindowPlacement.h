#pragma once

#include "config/ScreenClamp.h"
#include "config/ScreenLayout.h"

#include <vector>

class QWidget;

namespace orvane {

class MainWindow;
struct SecondaryWindows;

// The window placement keys of the settings: applied to the windows when the
// settings are loaded, taken back from them when the settings are saved.
ScreenMetrics currentScreenMetrics(const SecondaryWindows& windows);
// The usable area of every screen, the primary one first.
std::vector<ScreenArea> currentScreenAreas();
// Sizes the windows (the main window no smaller than its contents allow),
// then places each where the operator can reach it on `screens`
// (reachablePlace, with its real size). Returns the layout as applied.
ScreenLayout applyScreenLayout(const ScreenLayout& layout, MainWindow& main,
                               const SecondaryWindows& windows,
                               const std::vector<ScreenArea>& screens);
ScreenLayout captureScreenLayout(const MainWindow& main, const SecondaryWindows& windows);
// The monitor windows the settings say were open.
void showMonitorWindows(const ScreenLayout& layout, const SecondaryWindows& windows);

} // namespace orvane
