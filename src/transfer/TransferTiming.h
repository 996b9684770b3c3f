#pragma once

#include "platform/Clock.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace orvane {

struct Settings;
struct ThroughputState;

// A transfer's time on the console's clock: the whole seconds its elapsed
// time and throughput are measured in, the throughput display's memory
// (shared with the clock tick), how long a receive may stall, and the local
// time its log line carries.
class TransferTiming {
public:
    TransferTiming(Clock& clock, ThroughputState& throughput, const Settings& settings)
        : clock_(clock), throughput_(throughput), settings_(settings) {}

    std::int64_t seconds() const;
    // A transfer starts, or resumes with `count` bytes already held: the
    // throughput is measured from now. Returns the seconds it started at.
    std::int64_t restart(std::int64_t count);
    // A measurement at `now` seconds with `count` bytes moved (see
    // UpdateThroughput): the new throughput, or nothing when it is too early.
    std::optional<std::int64_t> throughput(std::int64_t count, std::int64_t now,
                                           std::int64_t fileSize, std::int64_t dataSize);
    std::chrono::system_clock::time_point localTime() const;
    // The clock's milliseconds, for quiet periods.
    std::int64_t nowMs() const { return clock_.tickMs(); }
    std::unique_ptr<Timer> createTimer(const std::string& name, int intervalMs) {
        return clock_.createTimer(name, intervalMs);
    }
    // How long a receive may go without data (ReceiveStallSeconds), in ms.
    std::int64_t stallMs() const;

private:
    Clock& clock_;
    ThroughputState& throughput_;
    const Settings& settings_;
};

} // namespace orvane
