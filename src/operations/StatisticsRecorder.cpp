#include "operations/StatisticsRecorder.h"

#include "modes/ModeSurface.h"
#include "platform/Clock.h"
#include "platform/StatusPanel.h"
#include "protocol/link/ConsoleMenus.h"

#include <chrono>

namespace orvane {
LocalTime StatisticsRecorder::localTime() const {
    using namespace std::chrono;
    const auto local = clock_.now() + minutes(clock_.localOffsetMinutes());
    const auto day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(local - day)};
    return {static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}

void StatisticsRecorder::mnuFilesSaveStatisticsClick() {
    const std::string& name = log_.start(localTime());
    surface_.setPanel(panel::Format, "Saving: " + name);
    surface_.showCentredPanel(kHeaderPanel);
    surface_.menus().note(MenuEvent::StatisticsStarted);
}

void StatisticsRecorder::acceptHeader(const std::string& frequency, const std::string& name,
                                      const std::string& other) {
    const bool created = log_.writeHeader(frequency, name, other);
    surface_.hidePanel(kHeaderPanel);
    if (!created) return;
    surface_.setPanel(panel::Format, log_.fileName());
    surface_.menus().note(MenuEvent::StatisticsHeaderWritten);
    surface_.focusTransmitPane();
}

void StatisticsRecorder::cancelHeader() {
    surface_.hidePanel(kHeaderPanel);
    log_.stop();
    surface_.focusTransmitPane();
}

void StatisticsRecorder::stop() {
    log_.stop();
    surface_.menus().note(MenuEvent::StatisticsStopped);
}

} // namespace orvane
