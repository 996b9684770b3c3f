#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvane {

// What the transmit thread needs of the port. The serial port implements it;
// tests use a fake that records writes.
class PortWriter {
public:
    struct Outcome {
        std::size_t written = 0; // bytes the port took, from the front
        bool failed = false;     // an error, not just a line that was slow to take them
        bool lost = false;       // the device is gone (failed is set too)
    };

    virtual ~PortWriter() = default;
    // Writes what the line takes within a short wait; may take only a part.
    virtual Outcome write(std::span<const std::uint8_t> bytes) = 0;
    // Bytes handed to the driver and not yet sent.
    virtual int pendingOutput() = 0;
    // False while output flow control (where configured) holds the line.
    virtual bool sendingAllowed() = 0;
    // How long the line takes to send `bytes` bytes: 9600 bit/s, 10 bits a byte.
    virtual std::chrono::microseconds timeToSend(int bytes) const {
        return std::chrono::microseconds(static_cast<long long>(bytes) * 10'000'000 / 9600);
    }
};

} // namespace orvane
