#pragma once

#include "serial/PortWriter.h"
#include "serial/WireTap.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <span>
#include <string>

namespace orvane {

// What the line status query returns: the line errors since the last query
// (line_error bits) and the bytes waiting in the driver's two queues.
struct LineStatus {
    std::uint32_t errorMask = 0;
    int rxPending = 0;
    int txPending = 0;
};

class SerialPort;

struct PortOpening {
    std::unique_ptr<SerialPort> port; // empty when the open failed
    std::string error;                // the operator's message, when it failed
};

// The serial line to the modem: raw 9600 8N1, no flow control, DTR and RTS
// under our control, opened exclusively. A pseudo-terminal has no modem lines
// and no error counters; there CTS counts as on and no line error is seen.
class SerialPort final : public PortWriter {
public:
    // Opens the device (a link is followed) and configures the line.
    static PortOpening open(const std::filesystem::path& device);
    // Opens the device that a "COMn" name leads to (see PortName.h).
    static PortOpening openPortName(const std::string& portName,
                                    const std::filesystem::path& baseDir);

    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    int fd() const { return fd_; }
    const std::string& devicePath() const { return devicePath_; }

    // Raw 8N1 at `baud`, CLOCAL|CREAD, no flow control, reads never wait.
    bool configureLine(int baud = 9600);

    // Reads what is buffered, at most bytes.size(); -1 when the read failed.
    long read(std::span<std::uint8_t> bytes);

    bool setRts() { return changeModemLine(kRts, true); }
    bool clearRts() { return changeModemLine(kRts, false); }
    bool setDtr() { return changeModemLine(kDtr, true); }
    bool clearDtr() { return changeModemLine(kDtr, false); }
    bool ctsOn();
    LineStatus lineStatus();
    // One byte straight to the line, ahead of the transmit queue.
    bool sendImmediate(std::uint8_t byte);

    Outcome write(std::span<const std::uint8_t> bytes) override;
    int pendingOutput() override;

    // Every byte read or written from now on is shown to `tap` (none: nullptr).
    // Set it before the threads that use the port start.
    void setWireTap(WireTap* tap) { tap_ = tap; }
    bool sendingAllowed() override;
    std::chrono::microseconds timeToSend(int bytes) const override;

private:
    enum ModemLine { kRts, kDtr };
    SerialPort(int fd, std::string devicePath);
    bool changeModemLine(ModemLine line, bool on);
    std::uint32_t takeLineErrors();

    int fd_;
    std::string devicePath_;
    std::atomic<int> baud_{9600};
    WireTap* tap_ = nullptr;
    std::mutex countersLock_; // the error counters seen by the last status query
    bool countersKnown_ = false;
    int frame_ = 0, overrun_ = 0, parity_ = 0, brk_ = 0, bufOverrun_ = 0;
};

} // namespace orvane
