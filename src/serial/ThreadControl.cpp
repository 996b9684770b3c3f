#include "serial/ThreadControl.h"

#include <pthread.h>

namespace orvane {

namespace {
constexpr auto kPumpInterval = std::chrono::milliseconds(1);
}

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
        cv_.wait(guard, [this] { return !suspended_ || stop_; });
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

bool ThreadControl::waitFor(const std::function<bool()>& reached, std::chrono::milliseconds limit,
                            const std::function<void()>& whileWaiting) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::unique_lock guard(lock_);
    if (!whileWaiting) return cv_.wait_until(guard, deadline, reached);
    while (!reached()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        guard.unlock();
        whileWaiting();
        guard.lock();
        cv_.wait_for(guard, kPumpInterval, reached);
    }
    return true;
}

bool ThreadControl::waitUntilParked(std::chrono::milliseconds limit,
                                    const std::function<void()>& whileWaiting) {
    return waitFor([this] { return parked_ || ended_; }, limit, whileWaiting);
}

void ThreadControl::waitUntilEnded(const std::function<void()>& whileWaiting) {
    waitFor([this] { return ended_; }, std::chrono::hours(24 * 365), whileWaiting);
}

void nameThisThread(const char* name) {
    pthread_setname_np(pthread_self(), name);
}

} // namespace orvane
