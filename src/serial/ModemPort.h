#pragma once

#include "serial/PortWriter.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace orvane {

class WireTap;

// What the line status query returns: the line errors since the last query
// (line_error bits) and the bytes waiting in the driver's two queues.
struct LineStatus {
    std::uint32_t errorMask = 0;
    int rxPending = 0;
    int txPending = 0;
};

// The serial line to the modem as the console uses it: the transmit side of
// PortWriter, a descriptor the reader waits on, the modem-control lines and
// the line's settings. SerialPort is the real one; the tests have a double
// that behaves like a UART with a modem behind it.
class ModemPort : public PortWriter {
public:
    // The device it was opened as, after every link was followed.
    virtual const std::string& devicePath() const = 0;
    // Readable when bytes have arrived; hangs up when the device is gone.
    virtual int fd() const = 0;
    // Reads what is buffered, at most bytes.size(); -1 when the read failed.
    virtual long read(std::span<std::uint8_t> bytes) = 0;
    // Raw 8N1 at `baud`, CLOCAL|CREAD, no flow control, reads never wait.
    virtual bool configureLine(int baud = 9600) = 0;

    // The modem-control lines we drive; false when the driver refused.
    virtual bool setRts(bool on) = 0;
    virtual bool setDtr(bool on) = 0;
    // The modem's line: on where the device has no modem lines.
    virtual bool ctsOn() = 0;
    virtual LineStatus lineStatus() = 0;
    // One byte straight to the line, ahead of the transmit queue.
    virtual bool sendImmediate(std::uint8_t byte) = 0;

    // Every byte read or written from now on is shown to `tap` (none: nullptr).
    // Set it before the threads that use the port start.
    virtual void setWireTap(WireTap* tap) = 0;
};

struct PortOpening {
    std::unique_ptr<ModemPort> port; // empty when the open failed
    std::string error;               // the operator's message, when it failed
};

// Where ports come from: the devices of this machine, or a test's doubles.
class PortDevices {
public:
    virtual ~PortDevices() = default;
    // Opens the device a port name led to (a link is followed) and configures the line.
    virtual PortOpening open(const std::filesystem::path& device) = 0;
};

// The devices of this machine, opened as SerialPorts.
PortDevices& systemPortDevices();

// Opens the device that a "COMn" name leads to (see PortName.h) among `devices`.
PortOpening openPortName(PortDevices& devices, const std::string& portName,
                         const std::filesystem::path& baseDir);

} // namespace orvane
