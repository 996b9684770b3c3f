#include "support/ManualClock.h"

#include <algorithm>

namespace orvane::testing {

ManualClock::ManualTimer::ManualTimer(ManualClock& clock, std::string name, int intervalMs)
    : clock_(clock), name_(std::move(name)), interval_(intervalMs) {
    clock_.timers_.push_back(this);
}

ManualClock::ManualTimer::~ManualTimer() {
    auto& timers = clock_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void ManualClock::ManualTimer::start() {
    active_ = true;
    due_ = clock_.now_ + std::max(1, interval_);
}

std::unique_ptr<Timer> ManualClock::createTimer(const std::string& name, int intervalMs) {
    return std::make_unique<ManualTimer>(*this, name, intervalMs);
}

void ManualClock::eventsHandled() {
    if (onEvents_) onEvents_();
}

void ManualClock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + std::max<std::int64_t>(ms, 0);
    for (;;) {
        ManualTimer* next = nullptr;
        for (auto* timer : timers_)
            if (timer->active_ && timer->due_ <= target && (!next || timer->due_ < next->due_))
                next = timer;
        if (!next) break;
        now_ = std::max(now_, next->due_);
        next->due_ = now_ + std::max(1, next->interval_);
        next->fireNow();
        eventsHandled();
    }
    now_ = target;
    eventsHandled();
}

} // namespace orvane::testing
