#pragma once

#include <optional>
#include <string_view>

namespace orvane {

// What the Quoral broadcast dialog shows for a modulation: block size, base
// rate and the actual rate in bit/s. Its own figures, which pair 16P4A
// differently from the call dialog's.
struct BroadcastFigures {
    int blockSize;
    int baseRate;
    int actualRate;
    bool operator==(const BroadcastFigures&) const = default;
};

// BPSM, QPSM, 8PSM, 8P2A, 16P4A, 2DPSM, matched exactly; nothing for any other text.
std::optional<BroadcastFigures> broadcastFigures(std::string_view modulation);

} // namespace orvane
