#include "serial/RxQueue.h"

namespace orvane {

bool RxQueue::enqueue(std::int32_t item) {
    std::unique_lock guard(lock_);
    roomFreed_.wait(guard, [this] { return released_ || count_.load() < kCapacity; });
    if (count_.load() >= kCapacity) return false;
    slots_[static_cast<size_t>(write_)] = item;
    write_ = (write_ + 1) & kMask;
    count_.fetch_add(1, std::memory_order_release);
    return true;
}

std::optional<std::int32_t> RxQueue::dequeue() {
    std::int32_t item;
    {
        std::lock_guard guard(lock_);
        if (count_.load() == 0) return std::nullopt;
        item = slots_[static_cast<size_t>(read_)];
        read_ = (read_ + 1) & kMask;
        count_.fetch_sub(1, std::memory_order_release);
    }
    roomFreed_.notify_one();
    return item;
}

void RxQueue::clear() {
    {
        std::lock_guard guard(lock_);
        count_.store(0, std::memory_order_release);
        read_ = 0;
        write_ = 0;
    }
    roomFreed_.notify_all();
}

void RxQueue::releaseWaiters() {
    {
        std::lock_guard guard(lock_);
        released_ = true;
    }
    roomFreed_.notify_all();
}

void RxQueue::acceptWaiters() {
    std::lock_guard guard(lock_);
    released_ = false;
}

int RxQueue::readIndex() const {
    std::lock_guard guard(lock_);
    return read_;
}

int RxQueue::writeIndex() const {
    std::lock_guard guard(lock_);
    return write_;
}

} // namespace orvane
