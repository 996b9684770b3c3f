#pragma once

#include "platform/WaitClock.h"
#include "serial/FollowOnItems.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

namespace orvane {

// The ring between the receive decoder and its consumers. An item is a data
// byte (0x0000..0x00FF) or a status code (0x8000 | code).
//
// One producer (the decoder), one consumer at a time. When the ring is full
// the producer waits for room: nothing is overwritten and nothing is lost.
class RxQueue {
public:
    static constexpr int kCapacity = 4096;
    static constexpr std::int32_t kStatusFlag = 0x8000;

    static bool isStatus(std::int32_t item) { return item >= kStatusFlag; }

    // Producer and consumers wait on `clock`.
    explicit RxQueue(WaitClock& clock = WaitClock::steady()) : clock_(clock) {}

    // Stores one item; waits while the ring is full. Returns false, storing
    // nothing, if the wait was abandoned with releaseWaiters().
    bool enqueue(std::int32_t item);
    // Takes the oldest item, if there is one. Never waits.
    std::optional<std::int32_t> dequeue();
    // Unread items; may be read without the lock to decide whether to dequeue.
    int count() const { return count_.load(std::memory_order_acquire); }
    // Empties the ring (count, read and write index all back to 0).
    void clear();
    // Wakes a producer waiting for room and makes it give up (used when the
    // reader is told to stop).
    void releaseWaiters();
    // Lets producers wait again after releaseWaiters().
    void acceptWaiters();

    int readIndex() const;
    int writeIndex() const;

    // The receive handler that awaits the items after a status code or an
    // in-band start: the routing hands them to it before anyone else. The
    // handlers' thread only.
    FollowOnItems& followOns() { return followOns_; }

    // Consumer waits, so that nobody polls the count. A consumer thread waits
    // on the queue itself: until `ready()` holds (checked under the queue's
    // lock after every stored item and every wakeConsumers()), or `limit`.
    void waitUntil(const std::function<bool()>& ready,
                   std::optional<WaitClock::Duration> limit = std::nullopt);
    void wakeConsumers();

private:
    static constexpr int kMask = kCapacity - 1;
    static constexpr int kRefillBatch = kCapacity / 4;
    WaitClock& clock_;
    mutable std::mutex lock_; // RxQueueLock
    std::condition_variable roomFreed_;
    std::condition_variable itemStored_;
    std::array<std::int32_t, kCapacity> slots_{};
    int read_ = 0;
    int write_ = 0;
    std::atomic<int> count_{0};
    bool released_ = false;
    bool producerWaiting_ = false;
    FollowOnItems followOns_;
};

} // namespace orvane
