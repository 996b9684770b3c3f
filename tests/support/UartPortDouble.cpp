#include "support/UartPortDouble.h"

#include <algorithm>

namespace orvane::testing {

UartPortDouble::UartPortDouble(int bytesPerSecond, std::size_t driverQueue, WaitClock& clock)
    : byteTime_(std::chrono::microseconds(1'000'000 / std::max(bytesPerSecond, 1))),
      capacity_(driverQueue), clock_(clock) {}

void UartPortDouble::sendDue() {
    const Time now = clock_.now();
    while (!driver_.empty() && driver_.front().leaves <= now) {
        wire_.push_back(driver_.front().byte);
        driver_.pop_front();
    }
}

PortWriter::Outcome UartPortDouble::write(std::span<const std::uint8_t> bytes) {
    std::lock_guard guard(lock_);
    if (unplugged_) return {0, true, true};
    sendDue();
    const std::size_t taken = std::min(bytes.size(), capacity_ - driver_.size());
    // The line starts on a byte as soon as it is free.
    Time leaves = std::max(lineFreeAt_, clock_.now());
    for (std::size_t i = 0; i < taken; ++i) {
        leaves += byteTime_;
        driver_.push_back({bytes[i], leaves});
    }
    if (taken > 0) lineFreeAt_ = leaves;
    return {taken, false};
}

int UartPortDouble::pendingOutput() {
    std::lock_guard guard(lock_);
    sendDue();
    return static_cast<int>(driver_.size());
}

std::vector<std::uint8_t> UartPortDouble::wire() {
    std::lock_guard guard(lock_);
    sendDue();
    return wire_;
}

std::size_t UartPortDouble::wireSize() {
    std::lock_guard guard(lock_);
    sendDue();
    return wire_.size();
}

void UartPortDouble::unplug() {
    std::lock_guard guard(lock_);
    unplugged_ = true;
    driver_.clear();
}

} // namespace orvane::testing
