#pragma once

#include "platform/WaitClock.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace orvane {

// Cooperative stop and suspend for our worker threads. The worker calls
// checkpoint() before it takes the next piece of work, so nothing is taken
// and then dropped; the controller asks and, where it must, waits until the
// worker has parked. A worker that may be waiting for its controller's
// thread gives that wait up when it is woken by the request.
class ThreadControl {
public:
    explicit ThreadControl(WaitClock& clock, bool startSuspended = false)
        : clock_(clock), suspended_(startSuspended) {}

    // Called whenever a request changes, to wake a worker that waits elsewhere
    // (in poll(), on its own condition variable, on the RxQueue).
    void setWake(std::function<void()> wake) { wake_ = std::move(wake); }

    void suspend();
    void resume();
    void stop();

    // True once the worker is parked (or has ended); false if `limit` passed
    // on the clock.
    bool waitUntilParked(std::chrono::milliseconds limit);
    // Waits without limit for the worker to end; only after stop().
    void waitUntilEnded();

    bool stopRequested() const { return stop_.load(); }
    bool suspendRequested() const { return suspended_.load(); }
    bool mayContinue() const { return !stopRequested() && !suspendRequested(); }

    // Worker side: parks while suspended; false once told to stop.
    bool checkpoint();
    // Worker side: the last thing the worker does.
    void markEnded();

private:
    void changed();

    WaitClock& clock_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> suspended_;
    std::mutex lock_;
    std::condition_variable cv_;
    bool parked_ = false;
    bool ended_ = false;
    std::function<void()> wake_;
};

// Names the calling thread as ps, top and /proc show it (at most 15 characters).
void nameThisThread(const char* name);

} // namespace orvane
