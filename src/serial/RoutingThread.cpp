#include "serial/RoutingThread.h"

#include "serial/ReceiveRouting.h"
#include "serial/RoutingFlags.h"
#include "serial/RxQueue.h"

#include <condition_variable>
#include <functional>

namespace orvane {

namespace {
// While routing is paused nobody tells us when it resumes: we look again this often.
constexpr auto kPausedRecheck = std::chrono::milliseconds(20);
// Items routed in one round trip to the handlers' thread at most, so that a
// long burst still lets the window repaint in between.
constexpr int kBurstItems = 256;
} // namespace

// One burst between the routing thread, which waits for it, and the
// handlers' thread, which runs it when its turn comes. Shared by both, so
// that a burst taken back may still be run late (and then does nothing).
class RoutingThread::BurstGate {
public:
    // Handlers' thread: false when the burst was taken back.
    bool enter() {
        std::lock_guard guard(lock_);
        if (withdrawn_) return false;
        entered_ = true;
        return true;
    }
    void leave() {
        {
            std::lock_guard guard(lock_);
            done_ = true;
        }
        changed_.notify_all();
    }
    // Routing thread: until the burst has run, or until `giveUp` holds
    // before it has begun.
    void wait(const std::function<bool()>& giveUp) {
        std::unique_lock guard(lock_);
        changed_.wait(guard, [&] {
            if (done_) return true;
            if (entered_ || !giveUp()) return false;
            withdrawn_ = true;
            return true;
        });
    }
    void wake() {
        { std::lock_guard guard(lock_); }
        changed_.notify_all();
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool entered_ = false;
    bool done_ = false;
    bool withdrawn_ = false;
};

RoutingThread::RoutingThread(RxQueue& queue, const RoutingFlags& flags, ReceiveDelivery& delivery,
                             BinaryReceiveSink& binaryFile, WaitClock& clock)
    : queue_(queue), flags_(flags), delivery_(delivery), binaryFile_(binaryFile),
      control_(clock, true) {
    control_.setWake([this] { wakeUp(); });
    thread_ = std::thread([this] { run(); });
}

RoutingThread::~RoutingThread() {
    stop();
}

void RoutingThread::resume() {
    control_.resume();
}

bool RoutingThread::suspend(std::chrono::milliseconds limit) {
    control_.suspend();
    return control_.waitUntilParked(limit);
}

void RoutingThread::stop() {
    if (!thread_.joinable()) return;
    control_.stop();
    control_.waitUntilEnded();
    thread_.join();
}

void RoutingThread::wakeUp() {
    queue_.wakeConsumers();
    std::shared_ptr<BurstGate> gate;
    {
        std::lock_guard guard(gateLock_);
        gate = gate_;
    }
    if (gate) gate->wake();
}

bool RoutingThread::mayTakeNext() const {
    // RoutingPaused is checked before every item, not only between bursts: a
    // handler may set it, and the next item must then wait.
    return flags_.RoutingEnabled && !flags_.RoutingPaused && control_.mayContinue();
}

void RoutingThread::run() {
    nameThisThread("orvane-routing");
    while (control_.checkpoint() && flags_.RoutingEnabled) {
        if (mayTakeNext() && queue_.count() > 0)
            handOverBurst();
        else
            waitForWork();
    }
    control_.markEnded();
}

// An empty queue is waited on until the reader stores an item or we are
// told to stop or suspend; nothing wakes us in between.
void RoutingThread::waitForWork() {
    if (flags_.RoutingPaused) {
        queue_.waitUntil([this] { return !control_.mayContinue(); }, kPausedRecheck);
        return;
    }
    queue_.waitUntil([this] {
        return !control_.mayContinue() || !flags_.RoutingEnabled || flags_.RoutingPaused ||
               queue_.count() > 0;
    });
}

void RoutingThread::handOverBurst() {
    auto gate = std::make_shared<BurstGate>();
    {
        std::lock_guard guard(gateLock_);
        gate_ = gate;
    }
    // A burst that runs holds us in wait(), so `this` outlives it; one taken
    // back touches nothing of ours.
    delivery_.post([this, gate] {
        if (!gate->enter()) return;
        struct Leave {
            BurstGate& gate;
            ~Leave() { gate.leave(); }
        } leave{*gate};
        routeBurst();
    });
    gate->wait([this] { return !control_.mayContinue(); });
    std::lock_guard guard(gateLock_);
    gate_.reset();
}

void RoutingThread::routeBurst() {
    for (int n = 0; n < kBurstItems && mayTakeNext(); ++n) {
        const auto item = queue_.dequeue();
        if (!item) break;
        routeOne(*item);
    }
}

void RoutingThread::routeOne(std::int32_t item) {
    // Routing switched off or a stop after the item was taken: it is dropped.
    // A suspension waits for the next item instead, so it never costs one.
    if (!flags_.RoutingEnabled || control_.stopRequested()) return;
    // A handler that has begun a status or an in-band sequence takes what
    // follows, whatever it is.
    FollowOnItems& followOns = queue_.followOns();
    if (followOns.awaited()) {
        followOns.feed(item);
        return;
    }
    const auto low = static_cast<std::uint8_t>(item & 0xFF);
    switch (routeFor(item, flags_)) {
    case Route::StatusDispatcher: delivery_.deliverStatus(low); break;
    case Route::InBandHandler: delivery_.deliverInBand(low); break;
    case Route::ReceivedChar: delivery_.deliverReceivedChar(low); break;
    case Route::BinaryFile: binaryFile_.writeByte(low); break;
    case Route::Dropped: break;
    }
}

} // namespace orvane
