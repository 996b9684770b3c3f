#include "monitor/TuningFigures.h"

#include <algorithm>
#include <cstdlib>

namespace orvane {
namespace {

constexpr int kLevelZero = 124; // the level that shows as an empty bar
constexpr int kRemoteLimit = 35;

} // namespace

std::optional<std::array<int, 4>> takeTuneLevels(TuneLevels& levels) {
    bool steady = true;
    std::array<int, 4> bars{};
    for (std::size_t channel = 0; channel < bars.size(); ++channel) {
        const int now = levels.current[channel];
        const int before = levels.previous[channel];
        // A channel at exactly 90 % of its previous level counts as dropped.
        if (before != 0 && 10 * now <= 9 * before) steady = false;
        bars[channel] = std::clamp(now - kLevelZero, 0, tuning::kBarMaximum);
    }
    levels.previous = levels.current;
    if (!steady) return std::nullopt;
    return bars;
}

PointerPlace pointerForFreqOffset(std::int8_t offset) {
    const int magnitude = std::abs(static_cast<int>(offset));
    // |f| times 2.8, truncated, one less whenever the product is whole: the
    // scale has always been drawn that way.
    const int b = magnitude == 0 ? 0 : std::min((28 * magnitude - 1) / 10, tuning::kBarMaximum);
    PointerPlace place;
    place.left = offset < 0 ? tuning::kPointerCentre + b : tuning::kPointerCentre - b;
    if (b < 30)
        place.colour = PointerColour::Lime;
    else if (b >= 50)
        place.colour = PointerColour::Red;
    else if (b > 30)
        place.colour = PointerColour::Yellow;
    return place;
}

PointerPlace pointerForRemoteFreq(std::int8_t offset) {
    const int f = std::clamp(static_cast<int>(offset), -kRemoteLimit, kRemoteLimit);
    const int magnitude = std::abs(f);
    PointerPlace place;
    place.left = tuning::kPointerCentre + 2 * f;
    place.colour = magnitude <= 4   ? PointerColour::Lime
                   : magnitude <= 9 ? PointerColour::Yellow
                                    : PointerColour::Red;
    return place;
}

void TuneSlowlyWarning::levelsReported(const std::array<std::uint8_t, 4>& levels) {
    signal_ = std::ranges::any_of(levels, [](std::uint8_t level) { return level > kLevelZero; });
}

void TuneSlowlyWarning::pointerPlaced(const PointerPlace& place) {
    if (place.colour) colour_ = place.colour;
    signal_ = true;
}

} // namespace orvane
