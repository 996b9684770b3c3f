#include "support/ManualWaitClock.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace orvane::testing {

namespace {
// Only a safety net for a thread that never comes back: a test that reaches
// it fails on what it checks next.
constexpr auto kRealLimit = std::chrono::seconds(5);
} // namespace

WaitClock::TimePoint ManualWaitClock::now() const {
    std::lock_guard guard(lock_);
    return now_;
}

std::cv_status ManualWaitClock::waitOnce(std::condition_variable& wake,
                                         std::unique_lock<std::mutex>& lock, TimePoint deadline) {
    std::list<Sleeper>::iterator me;
    {
        std::lock_guard guard(lock_);
        if (now_ >= deadline) return std::cv_status::timeout;
        me = sleepers_.insert(sleepers_.end(), {&wake, lock.mutex(), deadline, false});
    }
    changed_.notify_all();
    // advance() takes our lock before it notifies, so the wake-up cannot come
    // between the check above and this wait.
    wake.wait(lock);
    bool timedOut;
    {
        std::lock_guard guard(lock_);
        timedOut = now_ >= deadline;
        sleepers_.erase(me);
    }
    changed_.notify_all();
    return timedOut ? std::cv_status::timeout : std::cv_status::no_timeout;
}

void ManualWaitClock::advance(Duration step) {
    std::vector<Sleeper> woken;
    {
        std::lock_guard guard(lock_);
        now_ += step;
        for (Sleeper& sleeper : sleepers_)
            if (!sleeper.due && sleeper.deadline <= now_) {
                sleeper.due = true;
                woken.push_back(sleeper);
            }
    }
    for (const Sleeper& sleeper : woken) {
        std::lock_guard guard(*sleeper.lock);
        sleeper.wake->notify_all();
    }
    std::unique_lock guard(lock_);
    changed_.wait_for(guard, kRealLimit, [this] { return dueCount() == 0; });
}

bool ManualWaitClock::waitForSleepers(std::size_t count) {
    std::unique_lock guard(lock_);
    return changed_.wait_for(guard, kRealLimit, [&] { return asleepCount(false) >= count; });
}

bool ManualWaitClock::waitForUntimedSleepers(std::size_t count) {
    std::unique_lock guard(lock_);
    return changed_.wait_for(guard, kRealLimit, [&] { return asleepCount(true) >= count; });
}

std::optional<WaitClock::Duration> ManualWaitClock::nextDeadlineIn() const {
    std::lock_guard guard(lock_);
    std::optional<Duration> nearest;
    for (const Sleeper& sleeper : sleepers_)
        if (!sleeper.due && sleeper.deadline != kNever)
            nearest = std::min(nearest.value_or(Duration::max()), sleeper.deadline - now_);
    return nearest;
}

bool ManualWaitClock::advanceUntil(const std::function<bool()>& done) {
    auto giveUpAt = std::chrono::steady_clock::now() + kRealLimit;
    while (!done()) {
        if (const auto step = nextDeadlineIn()) {
            advance(*step);
            giveUpAt = std::chrono::steady_clock::now() + kRealLimit;
        } else if (std::chrono::steady_clock::now() >= giveUpAt) {
            return false;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1)); // until a thread waits
        }
    }
    return true;
}

std::size_t ManualWaitClock::dueCount() const {
    return static_cast<std::size_t>(
        std::count_if(sleepers_.begin(), sleepers_.end(), [](const Sleeper& s) { return s.due; }));
}

std::size_t ManualWaitClock::asleepCount(bool untimedOnly) const {
    return static_cast<std::size_t>(
        std::count_if(sleepers_.begin(), sleepers_.end(), [&](const Sleeper& s) {
            return !s.due && (!untimedOnly || s.deadline == kNever);
        }));
}

} // namespace orvane::testing
