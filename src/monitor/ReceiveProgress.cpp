#include "monitor/ReceiveProgress.h"

#include <cstdio>
#include <limits>

namespace orvane {
namespace {

// The exact smoothing needs more than 64 bits when a rate is large.
__extension__ using Wide = __int128;

// Without a compressed size there is nothing to scale by: the rate stays in
// the bytes that arrived, as the shown byte count does.
std::int64_t ExpansionFactor(std::int64_t fileSize, std::int64_t dataSize) {
    return dataSize >= 1 ? fileSize / dataSize : 1;
}

std::int64_t Saturate(Wide value) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    return value > max ? max : static_cast<std::int64_t>(value);
}

} // namespace

std::int64_t ShownBytes(std::int64_t count, std::int64_t fileSize, std::int64_t dataSize) {
    if (dataSize <= 0) return count;
    return Saturate(Wide{count} * fileSize / dataSize);
}

std::string XferTimeText(std::int64_t elapsedSeconds) {
    if (elapsedSeconds < 0) elapsedSeconds = 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld",
                  static_cast<long long>(elapsedSeconds / 3600),
                  static_cast<long long>(elapsedSeconds / 60 % 60),
                  static_cast<long long>(elapsedSeconds % 60));
    return buffer;
}

std::optional<std::int64_t> UpdateThroughput(ThroughputState& state, std::int64_t count,
                                             std::int64_t nowSeconds, std::int64_t fileSize,
                                             std::int64_t dataSize) {
    const std::int64_t seconds = nowSeconds - state.lastUpdateSeconds;
    if (seconds < 1) return std::nullopt;

    // (7 × last + delta × factor / seconds) / 8, truncated, kept in integers:
    // |7 × last × seconds + delta × factor| / (8 × seconds).
    const Wide delta = Wide{count} - state.lastCount;
    Wide numerator =
        Wide{7} * state.lastShown * seconds + delta * ExpansionFactor(fileSize, dataSize);
    if (numerator < 0) numerator = -numerator;
    const std::int64_t throughput = Saturate(numerator / (Wide{8} * seconds));

    state.lastShown = throughput;
    state.lastCount = count;
    state.lastUpdateSeconds = nowSeconds;
    return throughput;
}

} // namespace orvane
