#pragma once
// Reports that repeat on a timer: link statistics while `stats on`, and a station heard
// calling CQ while `cq on`.

#include "link_play.h"
#include "sim_time.h"

#include <optional>
#include <string>
#include <vector>

namespace modara_sim {

// One round of statistics: TUNE_LEVELS, LINK_STATISTICS, MODULATION_REPORT and FREQ_OFFSET.
// The figures follow a signal that fades in and out and a frequency that drifts slowly, the
// same for the same round, so that a demo looks like a real band and a test can repeat it.
std::vector<Report> statisticsRound(unsigned round);

class PeriodicReports {
public:
    // nullopt switches the report off; the first one comes one interval from `now`.
    void setStatistics(std::optional<Millis> interval, Millis now);
    void setCq(std::optional<Millis> interval, const std::string& sign, Millis now);

    std::vector<Report> due(Millis now);
    std::optional<Millis> nextDue() const;

private:
    struct Timer {
        Millis interval;
        Millis next;
        bool fire(Millis now);
    };

    std::optional<Timer> statistics_;
    std::optional<Timer> cq_;
    unsigned round_ = 0;
    std::string cqSign_;
};

} // namespace modara_sim
