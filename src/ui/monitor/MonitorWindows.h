#pragma once

#include "monitor/StatisticsLog.h"
#include "monitor/TuningFigures.h"
#include "operations/StatisticsRecorder.h"
#include "protocol/status/MonitorDisplays.h"

#include <filesystem>

class QWidget;

namespace orvane {

class AmplitudeTuneWindow;
class Clock;
class FrequencyTuneWindow;
class ModeSurface;
class QuoralStatisticsWindow;
class StatsHeaderPanel;
struct LinkState;
struct Settings;
struct StatusRecords;

// The statistics and tuning windows as the status handlers call them, with
// the statistics file and its header panel behind them.
class MonitorWindows final : public MonitorDisplays {
public:
    struct Windows {
        QWidget& mainWindow; // carries the header panel and the Files menu
        QuoralStatisticsWindow& statistics;
        AmplitudeTuneWindow& amplitude;
        FrequencyTuneWindow& frequency;
    };

    MonitorWindows(Windows windows, StatusRecords& records, const LinkState& link,
                   const Settings& settings, ModeSurface& surface, const Clock& clock,
                   const std::filesystem::path& baseDir);

    // "Save statistics to disk..." and "Stop disk save/send" of the Files menu.
    void connectFilesMenu();
    StatisticsRecorder& recorder() { return recorder_; }
    const StatisticsLog& statisticsLog() const { return log_; }

    // MonitorDisplays
    void ShowTuneLevels() override;
    void ShowFreqOffset() override;
    void ShowLinkStatistics() override;
    void ShowModulations() override;
    void LogStatistics() override;
    bool StatsLogging() const override { return log_.logging(); }

private:
    void placePointer(const PointerPlace& place);

    Windows windows_;
    StatusRecords& records_;
    const LinkState& link_;
    const Settings& settings_;
    StatisticsLog log_;
    StatisticsRecorder recorder_;
    StatsHeaderPanel* headerPanel_;
    TuneSlowlyWarning tuneSlowly_;
};

} // namespace orvane
