#pragma once

#include "protocol/CommandCode.h"

#include <cstdint>
#include <functional>
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
    // Runs `then` once the queue is empty: now if it is, else from the
    // queue's report that it has emptied. A later call replaces one still waiting.
    virtual void whenEmpty(std::function<void()> then) = 0;
};

} // namespace orvane
