#include "monitor/TuningFigures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Bars = std::optional<std::array<int, 4>>;

TEST(TuningFigures, LevelReportsThatDropAreNotShownButRemembered) {
    const struct {
        std::array<std::uint8_t, 4> levels;
        Bars shown;
    } rows[] = {
        {{200, 200, 200, 200}, std::array{76, 76, 76, 76}},
        {{179, 200, 200, 200}, std::nullopt}, // channel 1 dropped more than 10 %
        {{180, 180, 180, 180}, std::nullopt}, // channels 2 to 4 at exactly 90 %
        {{181, 181, 181, 181}, std::array{57, 57, 57, 57}},
        {{100, 250, 224, 181}, std::nullopt},
        {{100, 255, 230, 181}, std::array{0, 100, 100, 57}}, // the bar's range limits
        {{0, 0, 0, 0}, std::nullopt},
        {{0, 0, 0, 0}, std::array{0, 0, 0, 0}},
    };
    TuneLevels levels;
    for (const auto& row : rows) {
        levels.current = row.levels;
        EXPECT_EQ(takeTuneLevels(levels), row.shown) << int(row.levels[0]);
        EXPECT_EQ(levels.previous, row.levels);
    }
}

TEST(TuningFigures, PointerPlacesAndColours) {
    using enum PointerColour;
    const struct {
        bool remote;
        int offset;
        int left;
        std::optional<PointerColour> colour;
    } rows[] = {
        {false, 0, 113, Lime},         {false, -10, 140, Lime}, {false, 5, 100, Lime},
        {false, 11, 83, std::nullopt}, {false, 12, 80, Yellow}, {false, 18, 63, Red},
        {false, 36, 13, Red},          {false, -128, 213, Red}, {true, 0, 113, Lime},
        {true, 4, 121, Lime},          {true, -5, 103, Yellow}, {true, 9, 131, Yellow},
        {true, -10, 93, Red},          {true, 40, 183, Red},    {true, -128, 43, Red},
    };
    for (const auto& row : rows) {
        const auto offset = static_cast<std::int8_t>(row.offset);
        const PointerPlace place =
            row.remote ? pointerForRemoteFreq(offset) : pointerForFreqOffset(offset);
        EXPECT_EQ(place.left, row.left) << row.remote << " " << row.offset;
        EXPECT_EQ(place.colour, row.colour) << row.remote << " " << row.offset;
    }
}

// Each row is one report after the rows above it; "Tune Slowly!" shows only
// with a signal whose pointer stands red.
TEST(TuningFigures, TuneSlowlyOnlyWhileASignalLiesFarOff) {
    using enum PointerColour;
    using Levels = std::array<std::uint8_t, 4>;
    const struct {
        std::optional<Levels> levels;                        // a level report, or
        std::optional<std::optional<PointerColour>> pointer; // a pointer report
        bool shown;
    } rows[] = {
        {Levels{0, 0, 0, 0}, {}, false},            // no signal, no reading yet
        {Levels{200, 90, 90, 90}, {}, false},       // a signal, but no reading yet
        {{}, Lime, false},                          // on frequency
        {{}, Yellow, false},                        // near
        {{}, Red, true},                            // far off
        {{}, std::optional<PointerColour>{}, true}, // b = 30 keeps the colour
        {Levels{124, 124, 124, 124}, {}, false},    // the signal is gone
        {Levels{125, 0, 0, 0}, {}, true},           // and back, still far off
        {{}, Lime, false},
    };
    TuneSlowlyWarning warning;
    int row = 0;
    for (const auto& r : rows) {
        if (r.levels) warning.levelsReported(*r.levels);
        if (r.pointer) warning.pointerPlaced({tuning::kPointerCentre, *r.pointer});
        EXPECT_EQ(warning.shown(), r.shown) << "row " << row;
        ++row;
    }
}

} // namespace
} // namespace orvane
