#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace orvane {

// Time as the worker threads (reader, transmit queue, routing) wait on it.
// Every wait of theirs that has a time limit goes through here: the program
// uses the steady clock, and a test hands them a clock that moves only when
// it says, so that a 200 ms idle period passes without waiting 200 ms.
class WaitClock {
public:
    using Duration = std::chrono::steady_clock::duration;
    using TimePoint = std::chrono::steady_clock::time_point;
    // A deadline that never comes: the wait ends only when notified.
    static constexpr TimePoint kNever = TimePoint::max();

    virtual ~WaitClock() = default;

    virtual TimePoint now() const = 0;
    // One wait on `wake` with `lock` held, as condition_variable::wait_until:
    // ends when notified (or spuriously), or with timeout once `deadline` has
    // passed.
    virtual std::cv_status waitOnce(std::condition_variable& wake,
                                    std::unique_lock<std::mutex>& lock, TimePoint deadline) = 0;

    // Waits until `done()` holds or `deadline` has passed; returns done().
    template <typename Predicate>
    bool waitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                   TimePoint deadline, Predicate done) {
        while (!done())
            if (waitOnce(wake, lock, deadline) == std::cv_status::timeout) return done();
        return true;
    }
    // The steady clock: the one the program runs on.
    static WaitClock& steady();
};

class SteadyWaitClock final : public WaitClock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    std::cv_status waitOnce(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                            TimePoint deadline) override {
        if (deadline == kNever) {
            wake.wait(lock);
            return std::cv_status::no_timeout;
        }
        return wake.wait_until(lock, deadline);
    }
};

inline WaitClock& WaitClock::steady() {
    static SteadyWaitClock clock;
    return clock;
}

} // namespace orvane
