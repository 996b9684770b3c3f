#pragma once

#include "serial/WireTap.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace orvane {

// One stretch of bytes in one direction, stamped with the time of its first byte.
struct WireRecord {
    std::chrono::system_clock::time_point time;
    WireDirection direction = WireDirection::FromModem;
    std::vector<std::uint8_t> bytes;
};

// The last stretch of serial traffic in both directions, in a ring whose
// memory is fixed when it is made: the oldest bytes make room for the newest.
// Runs of one direction that follow each other within kMergeWindow share one
// record, so a transmit queue that writes a byte at a time does not use up the
// records long before the bytes.
class WireTraceRing final : public WireTap {
public:
    static constexpr std::size_t kDefaultBytes = std::size_t{1}
                                                 << 20; // over 8 minutes at 9600 bit/s both ways
    static constexpr std::size_t kDefaultRecords = std::size_t{1} << 16;
    static constexpr auto kMergeWindow = std::chrono::milliseconds(20);

    explicit WireTraceRing(std::size_t byteCapacity = kDefaultBytes,
                           std::size_t recordCapacity = kDefaultRecords);

    void record(WireDirection direction, std::span<const std::uint8_t> bytes) noexcept override;
    // Stamps with `time` instead of the wall clock (tests, the benchmark).
    void recordAt(std::chrono::system_clock::time_point time, WireDirection direction,
                  std::span<const std::uint8_t> bytes) noexcept;

    // What the ring holds, oldest first.
    std::vector<WireRecord> snapshot() const;
    std::size_t byteCount() const;
    std::size_t recordCount() const;

private:
    struct Slot {
        std::chrono::system_clock::time_point time;
        WireDirection direction;
        std::size_t start; // index of the first byte in bytes_
        std::size_t length;
    };
    void makeRoom(std::size_t needed);
    void dropOldestRecord();
    Slot& newest() { return slots_[(firstSlot_ + slotCount_ - 1) % slots_.size()]; }

    mutable std::mutex lock_;
    std::vector<std::uint8_t> bytes_;
    std::size_t firstByte_ = 0;
    std::size_t byteCount_ = 0;
    std::vector<Slot> slots_;
    std::size_t firstSlot_ = 0;
    std::size_t slotCount_ = 0;
};

} // namespace orvane
