#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace orvane {

// A named timer of the console (CommandTimer, WaitTimer, ...). It fires on the
// user-interface thread; the test double fires when the test clock advances.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    // Starting a running timer restarts its interval.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }

protected:
    void fire() {
        if (handler_) handler_();
    }

private:
    std::function<void()> handler_;
};

// Time as the console sees it: a millisecond tick count, wall-clock time and
// the named timers. Nothing here waits: a sequence waits by suspending until
// one of its timers fires.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start; never goes backwards.
    virtual std::int64_t tickMs() const = 0;
    // Wall-clock time (UTC).
    virtual std::chrono::system_clock::time_point now() const = 0;
    // Offset of local time from UTC, in minutes (east positive).
    virtual int localOffsetMinutes() const = 0;

    virtual std::unique_ptr<Timer> createTimer(const std::string& name, int intervalMs) = 0;
};

} // namespace orvane
