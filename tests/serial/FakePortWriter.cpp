#include "FakePortWriter.h"

#include <algorithm>
#include <chrono>

namespace orvane::testing {

PortWriter::Outcome FakePortWriter::write(std::span<const std::uint8_t> bytes) {
    std::unique_lock guard(lock_);
    ++writeCalls_;
    if (holdNext_) {
        holdNext_ = false;
        blocked_ = true;
        changed_.notify_all();
        changed_.wait(guard, [this] { return !blocked_; });
    }
    if (failing_) return {0, true};
    const auto n = std::min(bytes.size(), maxPerWrite_);
    written_.insert(written_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
    log_.push_back("W" +
                   std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)));
    return {n, false};
}

int FakePortWriter::pendingOutput() {
    std::lock_guard guard(lock_);
    return pending_;
}

bool FakePortWriter::sendingAllowed() {
    std::lock_guard guard(lock_);
    return sendingAllowed_;
}

void FakePortWriter::noteQueueEmpty() {
    std::lock_guard guard(lock_);
    ++queueEmpties_;
    if (log_.empty() || log_.back() != "E") log_.push_back("E");
}

std::vector<std::string> FakePortWriter::log() const {
    std::lock_guard guard(lock_);
    return log_;
}

std::vector<std::uint8_t> FakePortWriter::written() const {
    std::lock_guard guard(lock_);
    return written_;
}

int FakePortWriter::writeCalls() const {
    std::lock_guard guard(lock_);
    return writeCalls_;
}

int FakePortWriter::queueEmpties() const {
    std::lock_guard guard(lock_);
    return queueEmpties_;
}

void FakePortWriter::holdNextWrite() {
    std::lock_guard guard(lock_);
    holdNext_ = true;
}

bool FakePortWriter::waitUntilBlocked() {
    std::unique_lock guard(lock_);
    return changed_.wait_for(guard, std::chrono::seconds(3), [this] { return blocked_; });
}

void FakePortWriter::release() {
    std::lock_guard guard(lock_);
    blocked_ = false;
    changed_.notify_all();
}

void FakePortWriter::setMaxPerWrite(std::size_t n) {
    std::lock_guard guard(lock_);
    maxPerWrite_ = n;
}

void FakePortWriter::setFailing(bool failing) {
    std::lock_guard guard(lock_);
    failing_ = failing;
}

void FakePortWriter::setPending(int n) {
    std::lock_guard guard(lock_);
    pending_ = n;
}

void FakePortWriter::setSendingAllowed(bool allowed) {
    std::lock_guard guard(lock_);
    sendingAllowed_ = allowed;
}

} // namespace orvane::testing
