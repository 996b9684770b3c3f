#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// Link quality for both ends: 0..13 from LINK_STATISTICS, 15 from CQ_EVENT.
using LinkStats = std::array<std::uint8_t, 16>;
// Modulations 0..3 from MODULATION_REPORT, 4 the last STATE_EVENT.
using ModReport = std::array<std::uint8_t, 5>;

// The four signal levels; `previous` belongs to the tuning window, which
// compares and then replaces it.
struct TuneLevels {
    std::array<std::uint8_t, 4> current{};
    std::array<std::uint8_t, 4> previous{};
};

// What the modem reports about the link, kept for the statistics and tuning
// windows.
struct StatusRecords {
    LinkStats linkStats{};
    ModReport modReport{};
    // Highest bias reported since the program started; never reset.
    int biasMax = 0;
    TuneLevels tuneLevels;
    std::int8_t freqOffset = 0;
    // New figures since the last statistics rows were written.
    bool statsFresh = false;
};

} // namespace orvane
