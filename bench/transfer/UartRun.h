#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// A file sent with the sender's transmit queue writing to a port that drains like a UART at
// 9600 8N1, and the modem putting on the air (and echoing) what leaves the driver.
struct UartTransfer {
    double seconds = 0;        // from the choice of the file to the receiver's result
    std::size_t lineBytes = 0; // what crossed the line meanwhile, escapes and commands too
    std::string outcome;       // the sender's log line
};
UartTransfer UartTransferRun(const std::string& name, const std::vector<std::uint8_t>& bytes);

// Milliseconds from a command meant to go at once to its last byte on the wire, while the
// queue is kept as full as a file's data phase keeps it, over `tries` moments spread out.
struct Latency {
    double least = 0, mean = 0, most = 0;
};
// Panic: the queue is cleared and its two bytes queued.
Latency PanicLatency(int tries);
// Forced OVER in AMTOR and P-Mode: its two bytes written to the port ahead of the queue.
Latency ForcedOverLatency(int tries);

} // namespace orvane
