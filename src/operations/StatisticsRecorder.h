#pragma once

#include "controls/Control.h"
#include "platform/FileActivity.h"

#include "monitor/StatisticsLog.h"

#include <string>

namespace orvane {

class Clock;
class ModeSurface;

// The operator's side of the statistics file: "Save statistics to disk..."
// names the file and shows the header panel, its OK writes the
// header, its Cancel and the Stop command end the logging. Rows go to the
// file on every modulation report meanwhile (LogStatistics).
class StatisticsRecorder final : public FileActivity {
public:
    static constexpr Control kHeaderPanel = Control::StatisticsHeaderPanel;

    StatisticsRecorder(StatisticsLog& log, ModeSurface& surface, const Clock& clock)
        : log_(log), surface_(surface), clock_(clock) {}

    void mnuFilesSaveStatisticsClick();
    void acceptHeader(const std::string& frequency, const std::string& name,
                      const std::string& other);
    void cancelHeader();
    // The Stop command and Panic: logging off, the menu offers a new file.
    void stop();
    // "S&top disk save/send".
    void stopFileActivity() override { stop(); }

    // The local time on the console's clock.
    LocalTime localTime() const;

private:
    StatisticsLog& log_;
    ModeSurface& surface_;
    const Clock& clock_;
};

} // namespace orvane
