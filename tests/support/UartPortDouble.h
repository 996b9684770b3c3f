#pragma once

#include "platform/WaitClock.h"
#include "serial/ModemPort.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvane::testing {

// What sits at the modem's end of a port double: it hears each byte as the
// line delivers it.
class UartFarEnd {
public:
    virtual ~UartFarEnd() = default;
    virtual void fromConsole(std::span<const std::uint8_t> bytes) = 0;
};

// A serial port as a UART and its driver run it, which a pseudo-terminal
// cannot show:
// - A write lands in the driver's output queue (4096 bytes; what does not
//   fit is not taken), and the line sends the queue at a fixed rate, 960 bytes
//   a second for 9600 8N1. pendingOutput() is what the line has not sent yet,
//   wire() what it has, written() both.
// - The modem-control lines: RTS and DTR as the console sets them, in order
//   (lineChanges()), and CTS as the modem holds it (setCts()).
// - The modem's side: fromModem() puts bytes where the console reads them
//   (XON and XOFF are such bytes). connect() hands the bytes that leave the
//   driver to a far end as they leave, on a thread of the double's own.
// - unplug(): the device is gone; the console's reader sees the line hang up
//   and writes fail.
// Time is `clock`: with the steady clock the line runs in real time, with a
// test's clock it sends only as the test moves time on.
class UartPortDouble final : public ModemPort {
public:
    static constexpr int kLineRate = 960;

    explicit UartPortDouble(int bytesPerSecond = kLineRate, std::size_t driverQueue = 4096,
                            WaitClock& clock = WaitClock::steady(),
                            std::string devicePath = "/dev/ttyUART-double");
    explicit UartPortDouble(WaitClock& clock) : UartPortDouble(kLineRate, 4096, clock) {}
    // A device of that name (see PortDoubles), on a line in real time.
    explicit UartPortDouble(std::string devicePath)
        : UartPortDouble(kLineRate, 4096, WaitClock::steady(), std::move(devicePath)) {}
    ~UartPortDouble() override;

    // ModemPort
    const std::string& devicePath() const override { return devicePath_; }
    int fd() const override { return fromModemRead_; }
    long read(std::span<std::uint8_t> bytes) override;
    bool configureLine(int) override { return !unplugged_; }
    bool setRts(bool on) override { return changeLine("RTS", on); }
    bool setDtr(bool on) override { return changeLine("DTR", on); }
    bool ctsOn() override { return cts_; }
    LineStatus lineStatus() override;
    bool sendImmediate(std::uint8_t byte) override;
    void setWireTap(WireTap* tap) override { tap_ = tap; }

    // PortWriter
    Outcome write(std::span<const std::uint8_t> bytes) override;
    int pendingOutput() override;
    bool sendingAllowed() override { return true; }
    std::chrono::microseconds timeToSend(int bytes) const override { return byteTime_ * bytes; }

    // Every byte that has left the driver, in order.
    std::vector<std::uint8_t> wire();
    std::size_t wireSize();
    // Every byte the driver took: what has left and what is still queued.
    std::vector<std::uint8_t> written();
    // "RTS on @0", "DTR off @12", ... in the order the console changed them,
    // each with the bytes that had left the driver by then.
    std::vector<std::string> lineChanges();

    void setCts(bool on) { cts_ = on; }
    void fromModem(std::span<const std::uint8_t> bytes);
    void connect(UartFarEnd& farEnd);
    // The far end hears nothing more; it may go.
    void disconnect();
    void unplug();

private:
    using Time = WaitClock::TimePoint;
    struct Queued {
        std::uint8_t byte;
        Time leaves;
    };
    // Moves what has left the driver to the wire; returns those bytes.
    std::vector<std::uint8_t> sendDue();
    bool changeLine(const char* line, bool on);
    void runLine();

    const std::chrono::microseconds byteTime_;
    const std::size_t capacity_;
    WaitClock& clock_;
    const std::string devicePath_;
    std::mutex lock_;
    std::condition_variable queued_;
    std::deque<Queued> driver_;
    std::vector<std::uint8_t> wire_;
    std::vector<std::string> lineChanges_;
    Time lineFreeAt_{};
    std::atomic<bool> unplugged_{false};
    std::atomic<bool> cts_{true};
    WireTap* tap_ = nullptr;
    int fromModemRead_ = -1;
    int fromModemWrite_ = -1;
    UartFarEnd* farEnd_ = nullptr;
    bool stopLine_ = false;
    std::thread line_;
};

} // namespace orvane::testing
