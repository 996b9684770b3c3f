#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

namespace orvane {

// The real clock. A time scale above 1 (environment variable
// ORVANE_CLOCK_SCALE) makes the tick count and the timers run that many times
// faster; the end-to-end tests use it to reach 25 s time-outs in a fraction of
// a second. Wall-clock time is never scaled.
class QtClock final : public Clock {
public:
    explicit QtClock(double scale = scaleFromEnvironment());

    std::int64_t tickMs() const override;
    std::chrono::system_clock::time_point now() const override;
    int localOffsetMinutes() const override;
    std::unique_ptr<Timer> createTimer(const std::string& name, int intervalMs) override;

    double scale() const { return scale_; }
    // Real milliseconds for `ms` of the (scaled) tick count, rounded up.
    int realMs(std::int64_t ms) const;
    static double scaleFromEnvironment();

private:
    double scale_;
    QElapsedTimer elapsed_;
};

} // namespace orvane
