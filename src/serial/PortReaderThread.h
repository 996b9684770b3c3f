#pragma once

#include "platform/WaitClock.h"
#include "serial/RxDecoder.h"
#include "serial/ThreadControl.h"
#include "serial/WakeFd.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <thread>

namespace orvane {

class LineLossListener;
class RxQueue;
class ModemPort;

// Waits on the port, reads what has arrived and decodes it into the RxQueue.
// When the queue is full it waits for room; stop and suspend still work then,
// and a suspended reader keeps what it has read but not yet stored, so no byte
// is lost or repeated. A hung-up line or a read that says the device is gone
// ends reading: the reader tells its listener once and then waits, touching
// the port no more, until it is stopped.
class PortReaderThread {
public:
    static constexpr std::size_t kReadSize = 2000;
    using LineErrorHandler = std::function<void(std::string_view text)>;

    // Starts reading at once. Line errors are classified and handed to
    // `onLineError` (called on the reader thread), if given; the loss of the
    // device is told to `lossListener`, if given. A suspension's limit is
    // timed on `clock`.
    PortReaderThread(ModemPort& port, RxQueue& queue, XonXoffFilter& filter,
                     LineErrorHandler onLineError = {}, LineLossListener* lossListener = nullptr,
                     WaitClock& clock = WaitClock::steady());
    ~PortReaderThread();
    PortReaderThread(const PortReaderThread&) = delete;
    PortReaderThread& operator=(const PortReaderThread&) = delete;

    // Parks the reader (the firmware loader then owns the port); true once it
    // is parked, false if it did not park within `limit`.
    bool suspend(std::chrono::milliseconds limit = std::chrono::seconds(2));
    void resume();
    // Ends the thread and waits for it.
    void stop();

    bool lineLost() const { return lost_.load(); }

private:
    void run();
    void readAndDecode(short portEvents);
    // Stores what was read and decoded but not yet stored; false if the
    // queue let go of us (stop or suspend) before all of it was stored.
    bool storePending();
    void markLost();
    void waitForWakeOnly();
    void waitForWake(int limitMs);

    ModemPort& port_;
    RxQueue& queue_;
    RxDecoder decoder_;
    LineErrorHandler onLineError_;
    WakeFd wake_;
    ThreadControl control_;
    std::array<std::uint8_t, kReadSize> buffer_{};
    std::size_t readPos_ = 0;
    std::size_t readEnd_ = 0;
    std::optional<std::int32_t> heldItem_;
    LineLossListener* const lossListener_;
    std::atomic<bool> lost_{false};
    std::thread thread_;
};

} // namespace orvane
