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

// Time as the console sees it: a millisecond tick count, wall-clock time, the
// named timers, and the waits that keep the user interface alive.
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

    static constexpr int kNoLimit = -1;

    // Handle pending window messages once, without waiting.
    virtual void processEvents() = 0;
    // Wait `ms` milliseconds by the tick count, handling window messages all along.
    virtual void delay(int ms) = 0;
    // The one way the user-interface thread waits: it handles window messages
    // and sleeps between them until `done()` holds or `limitMs` (kNoLimit: no
    // limit) have passed by the tick count. True when `done()` held. `done` is
    // checked after every message; a thread that makes it true calls
    // wakeWaiters() unless it posts a message anyway.
    virtual bool waitUntil(const std::function<bool()>& done, int limitMs) = 0;
    // Ends the sleep of a waitUntil() so that it checks again. Any thread.
    virtual void wakeWaiters() {}
};

} // namespace orvane
