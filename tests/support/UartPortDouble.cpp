#include "support/UartPortDouble.h"

#include "serial/WireTap.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace orvane::testing {

UartPortDouble::UartPortDouble(int bytesPerSecond, std::size_t driverQueue, WaitClock& clock,
                               std::string devicePath)
    : byteTime_(std::chrono::microseconds(1'000'000 / std::max(bytesPerSecond, 1))),
      capacity_(driverQueue), clock_(clock), devicePath_(std::move(devicePath)) {
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) == 0) {
        fromModemRead_ = ends[0];
        fromModemWrite_ = ends[1];
    }
}

UartPortDouble::~UartPortDouble() {
    disconnect();
    if (fromModemWrite_ >= 0) ::close(fromModemWrite_);
    if (fromModemRead_ >= 0) ::close(fromModemRead_);
}

std::vector<std::uint8_t> UartPortDouble::sendDue() {
    std::vector<std::uint8_t> left;
    const Time now = clock_.now();
    while (!driver_.empty() && driver_.front().leaves <= now) {
        left.push_back(driver_.front().byte);
        driver_.pop_front();
    }
    wire_.insert(wire_.end(), left.begin(), left.end());
    return left;
}

PortWriter::Outcome UartPortDouble::write(std::span<const std::uint8_t> bytes) {
    std::size_t taken = 0;
    {
        std::lock_guard guard(lock_);
        if (unplugged_) return {0, true, true};
        sendDue();
        taken = std::min(bytes.size(), capacity_ - driver_.size());
        // The line starts on a byte as soon as it is free.
        Time leaves = std::max(lineFreeAt_, clock_.now());
        for (std::size_t i = 0; i < taken; ++i) {
            leaves += byteTime_;
            driver_.push_back({bytes[i], leaves});
        }
        if (taken > 0) lineFreeAt_ = leaves;
    }
    queued_.notify_all();
    if (tap_ && taken > 0) tap_->record(WireDirection::ToModem, bytes.first(taken));
    return {taken, false};
}

bool UartPortDouble::sendImmediate(std::uint8_t byte) {
    return write(std::span(&byte, 1)).written == 1;
}

int UartPortDouble::pendingOutput() {
    std::lock_guard guard(lock_);
    sendDue();
    return static_cast<int>(driver_.size());
}

long UartPortDouble::read(std::span<std::uint8_t> bytes) {
    const ssize_t n = ::read(fromModemRead_, bytes.data(), bytes.size());
    if (n > 0 && tap_)
        tap_->record(WireDirection::FromModem, bytes.first(static_cast<std::size_t>(n)));
    if (n >= 0) return static_cast<long>(n);
    return errno == EAGAIN ? 0 : -1;
}

LineStatus UartPortDouble::lineStatus() {
    LineStatus status;
    if (::ioctl(fromModemRead_, FIONREAD, &status.rxPending) != 0) status.rxPending = 0;
    status.txPending = pendingOutput();
    return status;
}

bool UartPortDouble::changeLine(const char* line, bool on) {
    if (unplugged_) return false;
    std::lock_guard guard(lock_);
    sendDue();
    lineChanges_.push_back(std::string(line) + (on ? " on @" : " off @") +
                           std::to_string(wire_.size()));
    return true;
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

std::vector<std::uint8_t> UartPortDouble::written() {
    std::lock_guard guard(lock_);
    sendDue();
    std::vector<std::uint8_t> all = wire_;
    for (const Queued& queued : driver_)
        all.push_back(queued.byte);
    return all;
}

std::vector<std::string> UartPortDouble::lineChanges() {
    std::lock_guard guard(lock_);
    return lineChanges_;
}

void UartPortDouble::fromModem(std::span<const std::uint8_t> bytes) {
    std::lock_guard guard(lock_);
    if (unplugged_ || bytes.empty()) return;
    // The console drains the pipe; a test's few bytes always fit.
    [[maybe_unused]] const ssize_t n = ::write(fromModemWrite_, bytes.data(), bytes.size());
}

void UartPortDouble::connect(UartFarEnd& farEnd) {
    farEnd_ = &farEnd;
    stopLine_ = false;
    line_ = std::thread([this] { runLine(); });
}

void UartPortDouble::disconnect() {
    {
        std::lock_guard guard(lock_);
        stopLine_ = true;
    }
    queued_.notify_all();
    if (line_.joinable()) line_.join();
    farEnd_ = nullptr;
}

// The line delivers each byte to the far end as it leaves the driver.
void UartPortDouble::runLine() {
    std::unique_lock guard(lock_);
    while (!stopLine_) {
        const std::vector<std::uint8_t> left = sendDue();
        if (!left.empty()) {
            guard.unlock();
            farEnd_->fromConsole(left);
            guard.lock();
            continue;
        }
        const Time next = driver_.empty() ? WaitClock::kNever : driver_.front().leaves;
        clock_.waitOnce(queued_, guard, next);
    }
}

void UartPortDouble::unplug() {
    std::lock_guard guard(lock_);
    unplugged_ = true;
    driver_.clear();
    // The console's reader sees the line hang up.
    ::close(fromModemWrite_);
    fromModemWrite_ = -1;
}

} // namespace orvane::testing
