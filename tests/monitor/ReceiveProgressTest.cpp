#include "monitor/ReceiveProgress.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

TEST(ShownBytes, ScalesToTheOriginalSizeRoundingDown) {
    EXPECT_EQ(ShownBytes(1000, 4000, 1000), 4000);
    EXPECT_EQ(ShownBytes(1, 3, 2), 1);
    EXPECT_EQ(ShownBytes(700, 0, 0), 700);
    // Sizes near 2^31: the product needs 64 bits.
    EXPECT_EQ(ShownBytes(2'000'000'000, 2'100'000'000, 2'050'000'000), 2'048'780'487);
}

TEST(XferTimeText, HoursMinutesSeconds) {
    EXPECT_EQ(XferTimeText(0), "00:00:00");
    EXPECT_EQ(XferTimeText(187), "00:03:07");
    EXPECT_EQ(XferTimeText(99 * 3600 + 59 * 60 + 59), "99:59:59");
    EXPECT_EQ(XferTimeText(123 * 3600 + 5), "123:00:05");
    EXPECT_EQ(XferTimeText(-3), "00:00:00");
}

std::vector<std::int64_t> Measure(ThroughputState& state, int seconds, std::int64_t bytesPerSecond,
                                  std::int64_t fileSize, std::int64_t dataSize) {
    std::vector<std::int64_t> shown;
    for (int s = 1; s <= seconds; ++s)
        shown.push_back(
            UpdateThroughput(state, s * bytesPerSecond, s, fileSize, dataSize).value_or(-1));
    return shown;
}

TEST(Throughput, SmoothsTowardTheRate) {
    ThroughputState state;
    EXPECT_EQ(Measure(state, 3, 800, 5000, 5000), (std::vector<std::int64_t>{100, 187, 263}));
}

TEST(Throughput, ScalesByTheWholeCompressionRatio) {
    ThroughputState compressed;
    EXPECT_EQ(Measure(compressed, 1, 800, 4000, 1000), (std::vector<std::int64_t>{400}));
    ThroughputState underTwoToOne; // 1900 / 1000 is 1 in whole numbers
    EXPECT_EQ(Measure(underTwoToOne, 1, 800, 1900, 1000), (std::vector<std::int64_t>{100}));
    // No compressed size known: the rate is not multiplied by the file size.
    ThroughputState noDataSize;
    EXPECT_EQ(Measure(noDataSize, 1, 800, 5000, 0), (std::vector<std::int64_t>{100}));
}

TEST(Throughput, MeasuresOnlyAfterAWholeSecond) {
    ThroughputState state;
    state.restart(10, 0);
    EXPECT_FALSE(UpdateThroughput(state, 500, 10, 1, 1));
    EXPECT_EQ(state.lastCount, 0);
    // Two seconds, 1600 bytes: 800 per second.
    EXPECT_EQ(UpdateThroughput(state, 1600, 12, 1, 1), 100);
    EXPECT_EQ(state.lastUpdateSeconds, 12);
}

TEST(Throughput, ResumedBytesDoNotCountAsReceived) {
    ThroughputState state;
    state.lastShown = 263;
    state.restart(100, 50'000);
    EXPECT_EQ(UpdateThroughput(state, 50'800, 101, 1, 1), 100);
}

} // namespace
} // namespace orvane
