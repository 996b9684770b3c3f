#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// The bytes a transfer has moved, in the units of the original file:
// count × fileSize / dataSize rounded down, or count itself when dataSize is
// not positive. Sizes are those of a file (below 2^31), so the product fits.
std::int64_t ShownBytes(std::int64_t count, std::int64_t fileSize, std::int64_t dataSize);

// Elapsed transfer time as "HH:MM:SS"; hours take more digits past 99.
std::string XferTimeText(std::int64_t elapsedSeconds);

// What the throughput display remembers between measurements. Times are whole
// seconds of the clock's tick count (see TransferClockSeconds).
struct ThroughputState {
    std::int64_t lastCount = 0;
    std::int64_t lastUpdateSeconds = 0;
    std::int64_t lastShown = 0;

    // A transfer starts (or resumes at startCount bytes): measure from there,
    // so bytes already held are not counted as received in the first second.
    void restart(std::int64_t startSeconds, std::int64_t startCount) {
        lastCount = startCount;
        lastUpdateSeconds = startSeconds;
        lastShown = 0;
    }
};

// Takes a measurement when at least one second has passed since the last one:
// rate = new bytes per second × (fileSize / dataSize, whole numbers), smoothed
// as |(7 × last shown + rate) / 8| truncated. Returns the new throughput and
// records it, or nothing when it is too early to measure.
std::optional<std::int64_t> UpdateThroughput(ThroughputState& state, std::int64_t count,
                                             std::int64_t nowSeconds, std::int64_t fileSize,
                                             std::int64_t dataSize);

} // namespace orvane
