#include "sequence/SequenceRunner.h"

#include "platform/Clock.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace orvane {

SequenceRunner::SequenceRunner(Clock& clock)
    : clock_(clock), timer_(clock.createTimer("SequenceTimer", 1)) {
    timer_->setHandler([this] { onTimer(); });
}

SequenceRunner::~SequenceRunner() {
    observer_ = nullptr;
    cancelAll();
}

void SequenceRunner::start(std::string name, Factory factory, Kind kind) {
    queue_.push_back({std::move(name), std::move(factory), kind});
    if (!running_.valid()) {
        advance();
    } else {
        changed();
    }
}

bool SequenceRunner::hasSequence() const {
    if (running_.valid() && currentKind_ == Kind::Sequence) return true;
    return std::any_of(queue_.begin(), queue_.end(),
                       [](const Queued& queued) { return queued.kind == Kind::Sequence; });
}

void SequenceRunner::whenIdle(std::function<void()> action) {
    if (idle())
        action();
    else
        idleAction_ = std::move(action);
}

void SequenceRunner::dropHeldCommands() {
    std::erase_if(queue_, [](const Queued& queued) { return queued.kind == Kind::HeldCommand; });
    changed();
}

void SequenceRunner::cancelAll() {
    queue_.clear();
    idleAction_ = nullptr;
    if (stepping_) {
        // The running task is on the stack: it ends at its next wait.
        cancelRunning_ = true;
        return;
    }
    endRunning();
}

void SequenceRunner::endRunning() {
    timer_->stop();
    waiting_ = {};
    condition_ = nullptr;
    cancelRunning_ = false;
    const bool wasRunning = running_.valid();
    running_ = Task<>{};
    currentFactory_ = nullptr;
    currentName_.clear();
    if (wasRunning) changed();
}

void SequenceRunner::suspendFor(std::coroutine_handle<> waiting, int ms) {
    waiting_ = waiting;
    condition_ = nullptr;
    deadline_ = clock_.tickMs() + std::max(ms, 0);
    timer_->setInterval(std::max(ms, 1));
    timer_->start();
}

void SequenceRunner::suspendUntil(std::coroutine_handle<> waiting, std::function<bool()> done,
                                  int limitMs) {
    waiting_ = waiting;
    condition_ = std::move(done);
    limited_ = limitMs != kNoLimit;
    deadline_ = clock_.tickMs() + std::max(limitMs, 0);
    conditionMet_ = false;
    timer_->setInterval(1);
    timer_->start();
}

std::int64_t SequenceRunner::nowMs() const {
    return clock_.tickMs();
}

void SequenceRunner::wake() {
    if (stepping_ || !waiting_ || !condition_) return;
    if (condition_()) {
        conditionMet_ = true;
        resumeWaiting();
    }
}

void SequenceRunner::onTimer() {
    if (stepping_ || !waiting_) {
        timer_->stop();
        return;
    }
    const std::int64_t now = clock_.tickMs();
    if (condition_) {
        if (condition_()) {
            conditionMet_ = true;
        } else if (!limited_ || now < deadline_) {
            return;
        } else {
            conditionMet_ = false;
        }
        resumeWaiting();
        return;
    }
    // A coarse timer may come a little early: wait out the rest.
    if (now < deadline_) {
        timer_->setInterval(static_cast<int>(deadline_ - now));
        timer_->start();
        return;
    }
    resumeWaiting();
}

void SequenceRunner::resumeWaiting() {
    timer_->stop();
    condition_ = nullptr;
    std::coroutine_handle<> waiting = std::exchange(waiting_, {});
    step(waiting);
    advance();
}

void SequenceRunner::step(std::coroutine_handle<> handle) {
    stepping_ = true;
    handle.resume();
    stepping_ = false;
}

// Ends the running task once it is done, then starts queued ones until one
// waits or none is left.
void SequenceRunner::advance() {
    for (;;) {
        if (running_.valid()) {
            if (cancelRunning_) {
                endRunning();
                continue;
            }
            if (!running_.done()) return;
            const std::string name = currentName_;
            try {
                running_.result();
            } catch (const std::exception& error) {
                if (observer_) observer_->sequenceFailed(name, error.what());
            }
            endRunning();
            continue;
        }
        if (queue_.empty()) break;
        Queued next = std::move(queue_.front());
        queue_.pop_front();
        currentName_ = std::move(next.name);
        currentKind_ = next.kind;
        // A lambda coroutine keeps its captures in the factory: it lives as
        // long as the task does.
        currentFactory_ = std::move(next.factory);
        running_ = currentFactory_();
        changed();
        if (running_.valid()) {
            stepping_ = true;
            running_.resume();
            stepping_ = false;
        }
    }
    if (idleAction_) std::exchange(idleAction_, nullptr)();
}

void SequenceRunner::changed() {
    if (observer_) observer_->sequencesChanged();
}

} // namespace orvane
