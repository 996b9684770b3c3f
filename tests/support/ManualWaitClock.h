#pragma once

#include "platform/WaitClock.h"

#include <functional>
#include <list>
#include <optional>

namespace orvane::testing {

// A wait clock that moves only when told to, for tests of the worker
// threads. It knows the waits under way: a test waits until the threads
// sleep on it, moves time on, and the waits that fall due have ended by the
// time advance() returns.
class ManualWaitClock final : public WaitClock {
public:
    TimePoint now() const override;
    std::cv_status waitOnce(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                            TimePoint deadline) override;

    // Moves time forward; returns once every wait that fell due has ended.
    void advance(Duration step);
    // True once `count` waits are under way, none of them due; false if that
    // did not happen within a few seconds of real time.
    bool waitForSleepers(std::size_t count = 1);
    // The same for waits that have no deadline (only a notification ends them).
    bool waitForUntimedSleepers(std::size_t count = 1);
    // How long until the nearest deadline of the waits under way (none: no
    // wait has one).
    std::optional<Duration> nextDeadlineIn() const;
    // Until `done()` holds: each time a wait with a deadline is under way,
    // moves time on to the nearest deadline. False if for a few seconds of
    // real time no wait had one.
    bool advanceUntil(const std::function<bool()>& done);

private:
    struct Sleeper {
        std::condition_variable* wake;
        std::mutex* lock;
        TimePoint deadline;
        bool due;
    };
    std::size_t dueCount() const;
    std::size_t asleepCount(bool untimedOnly) const;

    mutable std::mutex lock_;
    std::condition_variable changed_;
    TimePoint now_{};
    std::list<Sleeper> sleepers_;
};

} // namespace orvane::testing
