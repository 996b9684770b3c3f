#pragma once

#include "serial/WireTap.h"

namespace orvane {

// Shows the line's bytes to two taps, first to `first`.
class WireTapPair final : public WireTap {
public:
    WireTapPair(WireTap& first, WireTap& second) : first_(first), second_(second) {}
    void record(WireDirection direction, std::span<const std::uint8_t> bytes) noexcept override {
        first_.record(direction, bytes);
        second_.record(direction, bytes);
    }

private:
    WireTap& first_;
    WireTap& second_;
};

} // namespace orvane
