#pragma once

#include "protocol/CommandCode.h"

#include <cstdint>
#include <span>

namespace orvane {

// The transmit queue as the transfers use it.
class TransferLine {
public:
    virtual ~TransferLine() = default;
    // Bytes appended to the queue without waiting (the text and one-byte sends).
    virtual void sendBytes(std::span<const std::uint8_t> bytes) = 0;
    // A command without parameters, with the command send's 50 ms spacing.
    virtual void sendCommand(CommandCode code) = 0;
    // Bytes still waiting: ours and the driver's.
    virtual std::size_t pendingBytes() = 0;
    // Returns once the queue is empty, the user interface alive meanwhile.
    virtual void waitUntilEmpty() = 0;
};

} // namespace orvane
