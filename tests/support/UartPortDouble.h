#pragma once

#include "platform/WaitClock.h"
#include "serial/PortWriter.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

namespace orvane::testing {

// A serial port as a UART driver runs it, which a pseudo-terminal cannot show:
// a write lands in the driver's output queue (4096 bytes; what does not fit is
// not taken), and the line sends the queue at a fixed rate, 960 bytes a second
// for 9600 8N1. pendingOutput() is what the line has not sent yet, and wire()
// what it has. Time is `clock`: with the steady clock threads that wait for the
// line really wait, with a test's clock the line sends only as the test moves
// time on. unplug() makes it a device that is gone.
class UartPortDouble final : public PortWriter {
public:
    static constexpr int kLineRate = 960;

    explicit UartPortDouble(int bytesPerSecond = kLineRate, std::size_t driverQueue = 4096,
                            WaitClock& clock = WaitClock::steady());
    explicit UartPortDouble(WaitClock& clock) : UartPortDouble(kLineRate, 4096, clock) {}

    Outcome write(std::span<const std::uint8_t> bytes) override;
    int pendingOutput() override;
    bool sendingAllowed() override { return true; }
    std::chrono::microseconds timeToSend(int bytes) const override { return byteTime_ * bytes; }

    // Every byte that has left the driver, in order.
    std::vector<std::uint8_t> wire();
    std::size_t wireSize();
    void unplug();

private:
    using Time = WaitClock::TimePoint;
    struct Queued {
        std::uint8_t byte;
        Time leaves;
    };
    void sendDue();

    const std::chrono::microseconds byteTime_;
    const std::size_t capacity_;
    WaitClock& clock_;
    std::mutex lock_;
    std::deque<Queued> driver_;
    std::vector<std::uint8_t> wire_;
    Time lineFreeAt_{};
    bool unplugged_ = false;
};

} // namespace orvane::testing
