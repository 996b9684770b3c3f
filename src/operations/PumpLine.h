#pragma once

#include "protocol/ModemCommand.h"

#include <cstddef>
#include <string_view>

namespace orvane {

// What holds our output, if anything: the modem's CTS line, or its XOFF
// (only the modems with software flow control send one).
enum class OutputHold { None, Cts, Xoff };

// The transmit queue and the port as the pump and the operations use them.
class PumpLine {
public:
    virtual ~PumpLine() = default;
    // Bytes not yet on the line: the queue's own and the driver's, the driver's
    // last character or two not counted (they are as good as gone).
    virtual std::size_t pending() = 0;
    // The most bytes the transmit thread puts into one write.
    virtual void setWriteLimit(std::size_t bytes) = 0;
    // Appends text to the queue without waiting.
    virtual void sendText(std::string_view bytes) = 0;
    // Appends a command, then keeps the interface alive for 50 ms.
    virtual void sendCommand(const ModemCommand& command) = 0;
    // Bytes written to the line at once, ahead of everything queued.
    virtual void sendImmediate(std::string_view bytes) = 0;
    // Drops everything queued and not yet written.
    virtual void clearQueue() = 0;
    // Appends bytes as they are, without the command spacing.
    virtual void appendRaw(std::string_view bytes) = 0;
    // Whether the modem holds our output: by XOFF where it uses software flow
    // control, else by its CTS line.
    virtual OutputHold outputHold() = 0;
    // Received items stay in the RxQueue while held: a panel the operator
    // types into is open.
    virtual void holdRouting(bool held) = 0;
};

} // namespace orvane
