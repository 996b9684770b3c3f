#include "records/WireTraceFile.h"
#include "serial/WireTraceRing.h"

#include <gtest/gtest.h>

#include <numeric>

namespace orvane {
namespace {

using namespace std::chrono_literals;
using Time = std::chrono::system_clock::time_point;

const Time kNoon = std::chrono::sys_days{std::chrono::December / 9 / 2026} + 12h;

std::vector<std::uint8_t> run(std::uint8_t first, std::size_t n) {
    std::vector<std::uint8_t> bytes(n);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST(WireTraceRing, NeverHoldsMoreThanItsBoundAndKeepsTheNewestBytesInOrder) {
    WireTraceRing ring(100, 4);
    std::vector<std::uint8_t> all;
    for (int i = 0; i < 50; ++i) {
        const auto chunk = run(static_cast<std::uint8_t>(i * 7), 7);
        // Alternate directions, so no two chunks share a record.
        ring.recordAt(kNoon + i * 1s, i % 2 ? WireDirection::ToModem : WireDirection::FromModem,
                      chunk);
        all.insert(all.end(), chunk.begin(), chunk.end());
        ASSERT_LE(ring.byteCount(), 100u);
        ASSERT_LE(ring.recordCount(), 4u);
    }
    std::vector<std::uint8_t> kept;
    for (const WireRecord& r : ring.snapshot())
        kept.insert(kept.end(), r.bytes.begin(), r.bytes.end());
    EXPECT_EQ(kept, std::vector<std::uint8_t>(all.end() - 28, all.end())); // four records of 7

    // A chunk larger than the ring leaves its tail, cut at the ring's size.
    const auto big = run(0, 250);
    ring.recordAt(kNoon + 60s, WireDirection::FromModem, big);
    ASSERT_EQ(ring.recordCount(), 1u);
    EXPECT_EQ(ring.snapshot()[0].bytes, std::vector<std::uint8_t>(big.end() - 100, big.end()));
}

TEST(WireTraceRing, OneDirectionWithinTheMergeWindowSharesARecord) {
    WireTraceRing ring;
    const std::uint8_t a[] = {0x80, 0x7B}, b[] = {0x41}, c[] = {0x42};
    ring.recordAt(kNoon, WireDirection::ToModem, a);
    ring.recordAt(kNoon + 5ms, WireDirection::ToModem, b);    // merged
    ring.recordAt(kNoon + 30ms, WireDirection::ToModem, c);   // too late: its own record
    ring.recordAt(kNoon + 31ms, WireDirection::FromModem, c); // other way: its own record
    const auto records = ring.snapshot();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].bytes, (std::vector<std::uint8_t>{0x80, 0x7B, 0x41}));
    EXPECT_EQ(records[0].time, kNoon);
    EXPECT_EQ(records[1].time, kNoon + 30ms);
}

TEST(WireTraceFile, OneLinePerRecordWithUtcMillisecondsDirectionAndHex) {
    const std::vector<WireRecord> records{
        {kNoon + 42ms, WireDirection::ToModem, {0x80, 0x7B}},
        {kNoon + 1s + 5ms, WireDirection::FromModem, {0x80, 0x7B, 0x12, 0xAB}}};
    EXPECT_EQ(formatWireTrace(records),
              "# Orvane wire trace: host = bytes the console sent, modem = bytes it read\n"
              "2026-12-09 12:00:00.042 host 80 7B\n"
              "2026-12-09 12:00:01.005 modem 80 7B 12 AB\n");
    EXPECT_NE(saveWireTrace("/nonexistent-dir/x.trace", records), "");
}

} // namespace
} // namespace orvane
