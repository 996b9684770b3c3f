#include "serial/RxQueue.h"

namespace orvane {

bool RxQueue::enqueue(std::int32_t item) {
    {
        std::unique_lock guard(lock_);
        if (!released_ && count_.load() >= kCapacity) {
            producerWaiting_ = true;
            clock_.waitUntil(roomFreed_, guard, WaitClock::kNever,
                             [this] { return released_ || count_.load() < kCapacity; });
            producerWaiting_ = false;
        }
        if (count_.load() >= kCapacity) return false;
        slots_[static_cast<size_t>(write_)] = item;
        write_ = (write_ + 1) & kMask;
        count_.fetch_add(1, std::memory_order_release);
    }
    itemStored_.notify_all();
    return true;
}

void RxQueue::waitUntil(const std::function<bool()>& ready,
                        std::optional<WaitClock::Duration> limit) {
    std::unique_lock guard(lock_);
    clock_.waitUntil(itemStored_, guard, limit ? clock_.now() + *limit : WaitClock::kNever, ready);
}

void RxQueue::wakeConsumers() {
    { std::lock_guard guard(lock_); }
    itemStored_.notify_all();
}

std::optional<std::int32_t> RxQueue::dequeue() {
    std::int32_t item;
    bool wakeProducer;
    {
        std::lock_guard guard(lock_);
        if (count_.load() == 0) return std::nullopt;
        item = slots_[static_cast<size_t>(read_)];
        read_ = (read_ + 1) & kMask;
        const int left = count_.fetch_sub(1, std::memory_order_release) - 1;
        // A waiting producer is woken once a batch of room is free, not for
        // every slot: that would cost two thread switches per item. Consumers
        // only wait on an empty ring, so the producer is always woken first.
        wakeProducer = producerWaiting_ && left <= kCapacity - kRefillBatch;
    }
    if (wakeProducer) roomFreed_.notify_one();
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
