#include "serial/DisplayThread.h"

#include "serial/ReceiveRouting.h"
#include "serial/RoutingFlags.h"
#include "serial/RxQueue.h"

namespace orvane {

namespace {
// While routing is paused nobody tells us when it resumes: we look again this often.
constexpr auto kPausedRecheck = std::chrono::milliseconds(20);
// Items routed in one round trip to the handlers' thread at most, so that a
// long burst still lets the window repaint in between.
constexpr int kBurstItems = 256;
} // namespace

DisplayThread::DisplayThread(RxQueue& queue, const RoutingFlags& flags, ReceiveDelivery& delivery,
                             BinaryReceiveSink& binaryFile, std::function<void()> keepAlive)
    : queue_(queue), flags_(flags), delivery_(delivery), binaryFile_(binaryFile),
      keepAlive_(std::move(keepAlive)) {
    control_.setWake([this] { queue_.wakeConsumers(); });
    thread_ = std::thread([this] { run(); });
}

DisplayThread::~DisplayThread() {
    stop();
}

void DisplayThread::resume() {
    control_.resume();
}

bool DisplayThread::suspend(std::chrono::milliseconds limit) {
    control_.suspend();
    return control_.waitUntilParked(limit, keepAlive_);
}

void DisplayThread::stop() {
    if (!thread_.joinable()) return;
    control_.stop();
    control_.waitUntilEnded(keepAlive_);
    thread_.join();
}

bool DisplayThread::mayTakeNext() const {
    // RoutingPaused is checked before every item, not only between bursts: the
    // binary receiver sets it from inside a delivery and then reads the queue
    // itself, and must not race us for the next item.
    return flags_.RoutingEnabled && !flags_.RoutingPaused && control_.mayContinue();
}

void DisplayThread::run() {
    nameThisThread("orvane-routing");
    while (control_.checkpoint() && flags_.RoutingEnabled) {
        if (mayTakeNext() && queue_.count() > 0)
            delivery_.runOnHandlerThread([this] { routeBurst(); });
        else
            waitForWork();
    }
    control_.markEnded();
}

// An empty queue is waited on until the reader stores an item or we are
// told to stop or suspend; nothing wakes us in between.
void DisplayThread::waitForWork() {
    if (flags_.RoutingPaused) {
        queue_.waitUntil([this] { return !control_.mayContinue(); }, kPausedRecheck);
        return;
    }
    queue_.waitUntil([this] {
        return !control_.mayContinue() || !flags_.RoutingEnabled || flags_.RoutingPaused ||
               queue_.count() > 0;
    });
}

void DisplayThread::routeBurst() {
    for (int n = 0; n < kBurstItems && mayTakeNext(); ++n) {
        const auto item = queue_.dequeue();
        if (!item) break;
        routeOne(*item);
    }
}

void DisplayThread::routeOne(std::int32_t item) {
    // Routing switched off or a stop after the item was taken: it is dropped.
    // A suspension waits for the next item instead, so it never costs one.
    if (!flags_.RoutingEnabled || control_.stopRequested()) return;
    const auto low = static_cast<std::uint8_t>(item & 0xFF);
    switch (routeFor(item, flags_)) {
    case Route::StatusDispatcher:
        delivery_.deliverStatus(low);
        break;
    case Route::InBandHandler:
        delivery_.deliverInBand(low);
        break;
    case Route::ReceivedChar:
        delivery_.deliverReceivedChar(low);
        break;
    case Route::BinaryFile:
        binaryFile_.writeByte(low);
        break;
    case Route::Dropped:
        break;
    }
}

} // namespace orvane
