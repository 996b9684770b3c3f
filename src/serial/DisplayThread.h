#pragma once

#include "serial/RoutingSwitch.h"
#include "serial/ThreadControl.h"

#include <chrono>
#include <cstdint>
#include <functional>
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
// The routing thread waits for the user-interface thread at every delivery,
// so whenever the user-interface thread waits for it (suspend, stop) it runs
// `keepAlive` (the app handles window messages there) between short sleeps.
class DisplayThread final : public RoutingSwitch {
public:
    DisplayThread(RxQueue& queue, const RoutingFlags& flags, ReceiveDelivery& delivery,
                  BinaryReceiveSink& binaryFile, std::function<void()> keepAlive = {});
    ~DisplayThread() override;
    DisplayThread(const DisplayThread&) = delete;
    DisplayThread& operator=(const DisplayThread&) = delete;

    void resume() override;
    // RoutingSwitch
    bool isRouting() const override { return control_.mayContinue(); }
    void requestSuspend() override { control_.suspend(); }
    // Takes effect before the next item; true once the thread is parked.
    bool suspend(std::chrono::milliseconds limit = std::chrono::seconds(2));
    // Ends the thread and waits for it.
    void stop();

private:
    void run();
    void waitForWork();
    void routeBurst();
    void routeOne(std::int32_t item);
    bool mayTakeNext() const;

    RxQueue& queue_;
    const RoutingFlags& flags_;
    ReceiveDelivery& delivery_;
    BinaryReceiveSink& binaryFile_;
    std::function<void()> keepAlive_;
    ThreadControl control_{true};
    std::thread thread_;
};

} // namespace orvane
