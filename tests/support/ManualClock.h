#pragma once

#include "platform/Clock.h"

#include <functional>
#include <vector>

namespace orvane::testing {

// A clock that moves only when told to. advance() fires every due timer in
// time order, so a sequence that waits 25 s runs in microseconds.
class ManualClock final : public Clock {
public:
    std::int64_t tickMs() const override { return now_; }
    std::chrono::system_clock::time_point now() const override {
        return wallStart_ + std::chrono::milliseconds(now_);
    }
    int localOffsetMinutes() const override { return localOffset_; }
    std::unique_ptr<Timer> createTimer(const std::string& name, int intervalMs) override;

    // Moves time forward, firing timers that fall due on the way.
    void advance(std::int64_t ms);
    void setWallClock(std::chrono::system_clock::time_point t) {
        wallStart_ = t - std::chrono::milliseconds(now_);
    }
    void setLocalOffsetMinutes(int minutes) { localOffset_ = minutes; }
    // Called after every timer that fires and at the end of each advance():
    // tests use it to deliver bytes "while the console waits".
    void setOnEvents(std::function<void()> hook) { onEvents_ = std::move(hook); }

    class ManualTimer;

private:
    friend class ManualTimer;
    std::int64_t now_ = 0;
    int localOffset_ = 0;
    std::chrono::system_clock::time_point wallStart_{};
    std::vector<ManualTimer*> timers_;
    std::function<void()> onEvents_;
    void eventsHandled();
};

class ManualClock::ManualTimer final : public Timer {
public:
    ManualTimer(ManualClock& clock, std::string name, int intervalMs);
    ~ManualTimer() override;
    void setInterval(int ms) override { interval_ = ms; }
    int interval() const override { return interval_; }
    void start() override;
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    const std::string& name() const { return name_; }

private:
    friend class ManualClock;
    ManualClock& clock_;
    std::string name_;
    int interval_;
    bool active_ = false;
    std::int64_t due_ = 0;
    void fireNow() { fire(); }
};

} // namespace orvane::testing
