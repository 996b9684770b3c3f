#include "ui/monitor/MonitorWindows.h"

#include "config/Settings.h"
#include "monitor/TuningFigures.h"
#include "platform/ControlObjects.h"
#include "protocol/status/StatusRecords.h"
#include "ui/monitor/AmplitudeTuneWindow.h"
#include "ui/monitor/FrequencyTuneWindow.h"
#include "ui/monitor/QuoralStatisticsWindow.h"
#include "ui/monitor/StatsHeaderPanel.h"

#include <QAction>

namespace orvane {
namespace {
constexpr std::size_t kRemoteOffsetByte = 10;
}

MonitorWindows::MonitorWindows(Windows windows, StatusRecords& records, const LinkState& link,
                               const Settings& settings, ModeSurface& surface, const Clock& clock,
                               const std::filesystem::path& baseDir)
    : windows_(windows), records_(records), link_(link), settings_(settings), log_(baseDir),
      recorder_(log_, surface, clock) {
    headerPanel_ = new StatsHeaderPanel(
        &windows_.mainWindow,
        [this](const std::string& frequency, const std::string& name, const std::string& other) {
            recorder_.acceptHeader(frequency, name, other);
        },
        [this] { recorder_.cancelHeader(); });
}

void MonitorWindows::connectFilesMenu() {
    auto on = [this](Control item, auto handler) {
        if (auto* action = findControl<QAction>(windows_.mainWindow, item))
            QObject::connect(action, &QAction::triggered, headerPanel_, handler);
    };
    on(Control::SaveStatisticsItem, [this] { recorder_.mnuFilesSaveStatisticsClick(); });
}

void MonitorWindows::ShowTuneLevels() {
    tuneSlowly_.levelsReported(records_.tuneLevels.current);
    if (auto bars = takeTuneLevels(records_.tuneLevels)) windows_.amplitude.showBars(*bars);
    windows_.frequency.showTuneSlowly(tuneSlowly_.shown());
}

void MonitorWindows::ShowFreqOffset() {
    placePointer(pointerForFreqOffset(records_.freqOffset));
}

void MonitorWindows::ShowLinkStatistics() {
    windows_.statistics.ShowLinkStatistics(records_.linkStats);
    placePointer(
        pointerForRemoteFreq(static_cast<std::int8_t>(records_.linkStats[kRemoteOffsetByte])));
}

void MonitorWindows::placePointer(const PointerPlace& place) {
    windows_.frequency.showPointer(place);
    tuneSlowly_.pointerPlaced(place);
    windows_.frequency.showTuneSlowly(tuneSlowly_.shown());
}

void MonitorWindows::ShowModulations() {
    windows_.statistics.ShowModulations(records_.modReport);
}

void MonitorWindows::LogStatistics() {
    log_.LogStatistics(records_, link_, recorder_.localTime(), settings_.MYCALL, settings_.HISCALL);
}

} // namespace orvane
