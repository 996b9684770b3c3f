#include "serial/WireTraceRing.h"

#include <algorithm>
#include <time.h>

namespace orvane {

WireTraceRing::WireTraceRing(std::size_t byteCapacity, std::size_t recordCapacity)
    : bytes_(std::max<std::size_t>(byteCapacity, 1)),
      slots_(std::max<std::size_t>(recordCapacity, 1)) {}

namespace {
// The coarse clock costs a fraction of the precise one and is exact to a few
// milliseconds, finer than the merge window and the trace's spacing need.
std::chrono::system_clock::time_point coarseNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec)));
}
} // namespace

void WireTraceRing::record(WireDirection direction, std::span<const std::uint8_t> bytes) noexcept {
    recordAt(coarseNow(), direction, bytes);
}

void WireTraceRing::recordAt(std::chrono::system_clock::time_point time, WireDirection direction,
                             std::span<const std::uint8_t> bytes) noexcept {
    if (bytes.empty()) return;
    // A chunk larger than the whole ring leaves only its tail.
    if (bytes.size() > bytes_.size()) bytes = bytes.subspan(bytes.size() - bytes_.size());
    std::lock_guard guard(lock_);
    makeRoom(bytes.size());
    const bool merges = slotCount_ > 0 && newest().direction == direction &&
                        time - newest().time < kMergeWindow && time >= newest().time;
    if (!merges) {
        if (slotCount_ == slots_.size()) dropOldestRecord();
        slots_[(firstSlot_ + slotCount_) % slots_.size()] =
            Slot{time, direction, (firstByte_ + byteCount_) % bytes_.size(), 0};
        ++slotCount_;
    }
    std::size_t at = (firstByte_ + byteCount_) % bytes_.size();
    const std::size_t firstPart = std::min(bytes.size(), bytes_.size() - at);
    std::copy_n(bytes.begin(), firstPart, bytes_.begin() + static_cast<std::ptrdiff_t>(at));
    std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(firstPart), bytes.end(), bytes_.begin());
    byteCount_ += bytes.size();
    newest().length += bytes.size();
}

void WireTraceRing::makeRoom(std::size_t needed) {
    while (byteCount_ + needed > bytes_.size()) {
        Slot& oldest = slots_[firstSlot_];
        const std::size_t cut = std::min(oldest.length, byteCount_ + needed - bytes_.size());
        oldest.start = (oldest.start + cut) % bytes_.size();
        oldest.length -= cut;
        firstByte_ = (firstByte_ + cut) % bytes_.size();
        byteCount_ -= cut;
        if (oldest.length == 0) {
            firstSlot_ = (firstSlot_ + 1) % slots_.size();
            --slotCount_;
        }
    }
}

void WireTraceRing::dropOldestRecord() {
    const Slot& oldest = slots_[firstSlot_];
    firstByte_ = (firstByte_ + oldest.length) % bytes_.size();
    byteCount_ -= oldest.length;
    firstSlot_ = (firstSlot_ + 1) % slots_.size();
    --slotCount_;
}

std::vector<WireRecord> WireTraceRing::snapshot() const {
    std::lock_guard guard(lock_);
    std::vector<WireRecord> records;
    records.reserve(slotCount_);
    for (std::size_t i = 0; i < slotCount_; ++i) {
        const Slot& slot = slots_[(firstSlot_ + i) % slots_.size()];
        WireRecord record{slot.time, slot.direction, {}};
        record.bytes.reserve(slot.length);
        for (std::size_t k = 0; k < slot.length; ++k)
            record.bytes.push_back(bytes_[(slot.start + k) % bytes_.size()]);
        records.push_back(std::move(record));
    }
    return records;
}

std::size_t WireTraceRing::byteCount() const {
    std::lock_guard guard(lock_);
    return byteCount_;
}

std::size_t WireTraceRing::recordCount() const {
    std::lock_guard guard(lock_);
    return slotCount_;
}

} // namespace orvane
