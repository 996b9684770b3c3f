#pragma once

#include <optional>

namespace orvane {

// The window placement keys of [screen]. They belong to the windows: loading
// hands them over to be applied, and a save takes them from the windows as
// they are at that moment. Fields are named after their keys.
struct ScreenLayout {
    int MainLeft = 0;
    int MainTop = 0;
    int MainWidth = 750;
    int MainHeight = 390;
    int TransmitHeight = 50;
    bool AmpTune = false; // shown
    int AmpTuneLeft = 0;
    int AmpTuneTop = 0;
    bool FreqTune = false;
    int FreqTuneLeft = 0;
    int FreqTuneTop = 0;
    bool QuoralStat = false;
    int QuoralStatLeft = 0;
    int QuoralStatTop = 0;

    bool operator==(const ScreenLayout&) const = default;
};

// What the default placements are computed from: the primary screen and the
// sizes of the three monitoring windows.
struct ScreenMetrics {
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    int AmpTuneWidth = 0;
    int FreqTuneWidth = 0;
    int QuoralStatWidth = 0;
    int MonitorHeight = 0; // the tallest of the three
};

// The placement used for keys the file lacks: the main window at the given
// size centred on the screen, and the monitoring windows side by side in one
// row centred across it, below the main window where the screen has room for
// them, else with their tops at half its height.
// `mainTop`: where the main window stands when that is known already.
ScreenLayout DefaultScreenLayout(const ScreenMetrics& screen, int mainWidth = 750,
                                 int mainHeight = 390, std::optional<int> mainTop = {});

} // namespace orvane
