#pragma once

#include "serial/ModemPort.h"
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

// The serial line to the modem: raw 9600 8N1, no flow control, DTR and RTS
// under our control, opened exclusively. A pseudo-terminal has no modem lines
// and no error counters; there CTS counts as on and no line error is seen.
class SerialPort final : public ModemPort {
public:
    // Opens the device (a link is followed) and configures the line.
    static PortOpening open(const std::filesystem::path& device);

    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // ModemPort
    const std::string& devicePath() const override { return devicePath_; }
    int fd() const override { return fd_; }
    long read(std::span<std::uint8_t> bytes) override;
    bool configureLine(int baud = 9600) override;
    bool setRts(bool on) override { return changeModemLine(kRts, on); }
    bool setDtr(bool on) override { return changeModemLine(kDtr, on); }
    bool ctsOn() override;
    LineStatus lineStatus() override;
    bool sendImmediate(std::uint8_t byte) override;
    void setWireTap(WireTap* tap) override { tap_ = tap; }

    // PortWriter
    Outcome write(std::span<const std::uint8_t> bytes) override;
    int pendingOutput() override;
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
