#pragma once

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
    };

    virtual ~PortWriter() = default;
    // Writes what the line takes within a short wait; may take only a part.
    virtual Outcome write(std::span<const std::uint8_t> bytes) = 0;
    // Bytes handed to the driver and not yet sent.
    virtual int pendingOutput() = 0;
    // False while output flow control (where configured) holds the line.
    virtual bool sendingAllowed() = 0;
};

} // namespace orvane
