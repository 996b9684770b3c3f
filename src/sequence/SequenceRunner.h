#pragma once

#include "sequence/Task.h"

#include <coroutine>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace orvane {

class Clock;
class Timer;

// Hears when the runner starts or ends a sequence, so that what the window
// shows can be derived again from what the console holds.
class SequenceObserver {
public:
    virtual ~SequenceObserver() = default;
    virtual void sequencesChanged() = 0;
    // A sequence ended with an exception; the runner goes on with the next.
    virtual void sequenceFailed(const std::string& name, const std::string& what) = 0;
};

// What goes to the modem one at a time: set-ups, the configuration apply,
// the handshake, the loader, the tone test, the close. Each is a Task run on
// the event loop; between its steps the window keeps working, but whatever
// the operator starts meanwhile is queued behind it and never runs inside it.
//
// A held command is an operator's single command (a call, a CQ, a key): it
// waits its turn like a sequence, but Panic may drop it from the queue.
class SequenceRunner {
public:
    enum class Kind { Sequence, HeldCommand };
    using Factory = std::function<Task<>()>;

    explicit SequenceRunner(Clock& clock);
    ~SequenceRunner();
    SequenceRunner(const SequenceRunner&) = delete;
    SequenceRunner& operator=(const SequenceRunner&) = delete;

    void setObserver(SequenceObserver* observer) { observer_ = observer; }

    // Starts the task now when nothing runs, else queues it behind the rest.
    // The factory is called when its turn comes and kept while its task runs,
    // so a lambda coroutine may use its captures.
    void start(std::string name, Factory factory, Kind kind = Kind::Sequence);
    // True while a sequence (not a held command) runs or waits its turn.
    bool hasSequence() const;
    bool idle() const { return !running_.valid() && queue_.empty(); }
    // The running task's name, empty when none runs.
    const std::string& currentName() const { return currentName_; }
    // Runs `action` once nothing runs or waits; only the latest waits.
    void whenIdle(std::function<void()> action);
    // Panic: the operator's held commands are dropped; sequences stay.
    void dropHeldCommands();
    // The close: everything queued and the running task end here.
    void cancelAll();

    // The waits a task awaits. Only the running task waits, so one timer serves.
    struct PauseAwaiter {
        SequenceRunner& runner;
        int ms;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> waiting) { runner.suspendFor(waiting, ms); }
        void await_resume() const noexcept {}
    };
    struct UntilAwaiter {
        SequenceRunner& runner;
        std::function<bool()> done;
        int limitMs;
        bool metAtOnce = false;
        bool await_ready() {
            metAtOnce = done();
            return metAtOnce;
        }
        void await_suspend(std::coroutine_handle<> waiting) {
            runner.suspendUntil(waiting, std::move(done), limitMs);
        }
        bool await_resume() const noexcept { return metAtOnce || runner.conditionMet_; }
    };

    static constexpr int kNoLimit = -1;
    // Waits `ms` milliseconds by the clock.
    PauseAwaiter pause(int ms) { return {*this, ms}; }
    // Waits until `done()` holds (true) or `limitMs` have passed (false).
    // The condition is looked at each millisecond and whenever wake() is called.
    UntilAwaiter until(std::function<bool()> done, int limitMs) {
        return {*this, std::move(done), limitMs};
    }
    // Looks at a waiting condition now (the user-interface thread only).
    void wake();
    // The milliseconds every wait is measured in, for a task that keeps a
    // deadline across several waits.
    std::int64_t nowMs() const;

private:
    struct Queued {
        std::string name;
        Factory factory;
        Kind kind;
    };

    void suspendFor(std::coroutine_handle<> waiting, int ms);
    void suspendUntil(std::coroutine_handle<> waiting, std::function<bool()> done, int limitMs);
    void onTimer();
    void resumeWaiting();
    void step(std::coroutine_handle<> handle);
    void advance();
    void endRunning();
    void changed();

    Clock& clock_;
    std::unique_ptr<Timer> timer_;
    SequenceObserver* observer_ = nullptr;
    std::deque<Queued> queue_;
    Factory currentFactory_;
    Task<> running_;
    std::string currentName_;
    Kind currentKind_ = Kind::Sequence;
    std::function<void()> idleAction_;

    std::coroutine_handle<> waiting_;
    std::function<bool()> condition_;
    std::int64_t deadline_ = 0;
    bool limited_ = false;
    bool conditionMet_ = false;
    bool stepping_ = false;
    bool cancelRunning_ = false;
};

} // namespace orvane
