#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace orvane {

class Clock;
struct ThroughputState;

// A transfer's time on the console's clock: the whole seconds its elapsed
// time and throughput are measured in, the throughput display's memory
// (shared with the clock tick), and the local time its log line carries.
class TransferTiming {
public:
    TransferTiming(const Clock& clock, ThroughputState& throughput)
        : clock_(clock), throughput_(throughput) {}

    std::int64_t seconds() const;
    // A transfer starts, or resumes with `count` bytes already held: the
    // throughput is measured from now. Returns the seconds it started at.
    std::int64_t restart(std::int64_t count);
    // A measurement at `now` seconds with `count` bytes moved (see
    // UpdateThroughput): the new throughput, or nothing when it is too early.
    std::optional<std::int64_t> throughput(std::int64_t count, std::int64_t now,
                                           std::int64_t fileSize, std::int64_t dataSize);
    std::chrono::system_clock::time_point localTime() const;

private:
    const Clock& clock_;
    ThroughputState& throughput_;
};

} // namespace orvane
