#pragma once

#include "protocol/status/StatusRecords.h"

#include <array>
#include <cstdint>
#include <optional>

namespace orvane {

// Where the level bars, the frequency pointer and its colour go for each
// report. Window geometry in pixels.
namespace tuning {
inline constexpr int kBarMaximum = 100;
inline constexpr int kPointerCentre = 113;
} // namespace tuning

enum class PointerColour { Lime, Yellow, Red };

struct PointerPlace {
    int left = tuning::kPointerCentre;
    std::optional<PointerColour> colour; // none: the colour stays as it was
};

// The bar positions for the current levels, or nothing when any channel fell
// to 90 % of its previous value or below (such a report is not shown). The
// previous levels become the current ones either way.
std::optional<std::array<int, 4>> takeTuneLevels(TuneLevels& levels);

// From the modem's frequency offset report.
PointerPlace pointerForFreqOffset(std::int8_t offset);
// From the other station's offset in the link statistics; it moves the
// pointer the other way for the same sign.
PointerPlace pointerForRemoteFreq(std::int8_t offset);

// "Tune Slowly!" stands while the signal asks for it: the pointer is red (the
// signal lies far off frequency) and there is a signal to tune to. A
// frequency reading is one; a level report with every level below the bars'
// scale says there is none until the next reading. Before any reading
// nothing is shown.
class TuneSlowlyWarning {
public:
    void levelsReported(const std::array<std::uint8_t, 4>& levels);
    void pointerPlaced(const PointerPlace& place);
    bool shown() const { return signal_ && colour_ == PointerColour::Red; }

private:
    std::optional<PointerColour> colour_;
    bool signal_ = false;
};

} // namespace orvane
