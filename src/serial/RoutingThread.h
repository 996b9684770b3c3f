#pragma once

#include "platform/WaitClock.h"
#include "serial/RoutingSwitch.h"
#include "serial/ThreadControl.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace orvane {

class BinaryReceiveSink;
class ReceiveDelivery;
class RxQueue;
struct RoutingFlags;

// Drains the RxQueue and hands every item to exactly one handler. Created
// suspended; the console resumes it after the handshake. The thread ends when
// RoutingEnabled is cleared or it is told to stop.
//
// The items are routed in bursts on the handlers' thread while this thread
// waits for the burst to end. The user-interface thread that suspends or
// stops us does not wait for a burst it has yet to run: a burst that has not
// begun is taken back, its items stay queued, and the thread parks or ends.
class RoutingThread final : public RoutingSwitch {
public:
    // Suspensions are timed on `clock`.
    RoutingThread(RxQueue& queue, const RoutingFlags& flags, ReceiveDelivery& delivery,
                  BinaryReceiveSink& binaryFile, WaitClock& clock = WaitClock::steady());
    ~RoutingThread() override;
    RoutingThread(const RoutingThread&) = delete;
    RoutingThread& operator=(const RoutingThread&) = delete;

    void resume() override;
    // RoutingSwitch
    bool isRouting() const override { return control_.mayContinue(); }
    void requestSuspend() override { control_.suspend(); }
    // Takes effect before the next item; true once the thread is parked.
    bool suspend(std::chrono::milliseconds limit = std::chrono::seconds(2));
    // Ends the thread and waits for it.
    void stop();

private:
    class BurstGate;

    void run();
    void waitForWork();
    void handOverBurst();
    void routeBurst();
    void routeOne(std::int32_t item);
    bool mayTakeNext() const;
    void wakeUp();

    RxQueue& queue_;
    const RoutingFlags& flags_;
    ReceiveDelivery& delivery_;
    BinaryReceiveSink& binaryFile_;
    std::mutex gateLock_;
    std::shared_ptr<BurstGate> gate_; // the burst handed over, while we wait for it
    ThreadControl control_;
    std::thread thread_;
};

} // namespace orvane
