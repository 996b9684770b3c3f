#include "serial/ThreadControl.h"

#include <pthread.h>

namespace orvane {

void ThreadControl::changed() {
    cv_.notify_all();
    if (wake_) wake_();
}

void ThreadControl::suspend() {
    {
        std::lock_guard guard(lock_);
        suspended_ = true;
    }
    changed();
}

void ThreadControl::resume() {
    {
        std::lock_guard guard(lock_);
        suspended_ = false;
    }
    changed();
}

void ThreadControl::stop() {
    {
        std::lock_guard guard(lock_);
        stop_ = true;
    }
    changed();
}

bool ThreadControl::checkpoint() {
    std::unique_lock guard(lock_);
    if (suspended_ && !stop_) {
        parked_ = true;
        cv_.notify_all();
        clock_.waitUntil(cv_, guard, WaitClock::kNever, [this] { return !suspended_ || stop_; });
        parked_ = false;
    }
    return !stop_;
}

void ThreadControl::markEnded() {
    {
        std::lock_guard guard(lock_);
        ended_ = true;
    }
    cv_.notify_all();
}

bool ThreadControl::waitUntilParked(std::chrono::milliseconds limit) {
    std::unique_lock guard(lock_);
    return clock_.waitUntil(cv_, guard, clock_.now() + limit, [this] { return parked_ || ended_; });
}

void ThreadControl::waitUntilEnded() {
    std::unique_lock guard(lock_);
    cv_.wait(guard, [this] { return ended_; });
}

void nameThisThread(const char* name) {
    pthread_setname_np(pthread_self(), name);
}

} // namespace orvane
