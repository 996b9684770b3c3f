#include "transfer/TransferTiming.h"

#include "config/Settings.h"
#include "monitor/ReceiveProgress.h"

#include "monitor/TransferProgress.h"
#include <algorithm>

namespace orvane {

std::int64_t TransferTiming::seconds() const {
    return TransferClockSeconds(clock_);
}

std::int64_t TransferTiming::restart(std::int64_t count) {
    const std::int64_t now = seconds();
    throughput_.restart(now, count);
    return now;
}

std::optional<std::int64_t> TransferTiming::throughput(std::int64_t count, std::int64_t now,
                                                       std::int64_t fileSize,
                                                       std::int64_t dataSize) {
    return UpdateThroughput(throughput_, count, now, fileSize, dataSize);
}

std::chrono::system_clock::time_point TransferTiming::localTime() const {
    return clock_.now() + std::chrono::minutes(clock_.localOffsetMinutes());
}

std::int64_t TransferTiming::stallMs() const {
    return std::max(1, settings_.ReceiveStallSeconds) * std::int64_t{1000};
}

} // namespace orvane
