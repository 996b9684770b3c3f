#pragma once
// A serial line's pace: at 9600 bit/s with 8N1 framing ten bits carry one byte, so no more than
// 960 bytes a second pass in either direction. The simulator reads and writes the pty only as
// fast as such a line would.

#include "sim_time.h"

#include <cstddef>
#include <optional>

namespace modara_sim {

class LineRate {
public:
    // `burst`: bytes that may pass back to back after a pause (a UART's FIFO, the modem's
    // input block).
    LineRate(long bitsPerSecond, std::size_t burst)
        : bytesPerSecond_(static_cast<double>(bitsPerSecond) / 10.0), burst_(burst) {}

    // Bytes the line can carry now.
    std::size_t allowance(Millis now);
    void used(std::size_t bytes) { credit_ -= static_cast<double>(bytes); }
    // When `bytes` may go, if they may not go now.
    std::optional<Millis> nextAt(Millis now, std::size_t bytes = 1);

private:
    double bytesPerSecond_;
    std::size_t burst_;
    double credit_ = 0;
    std::optional<Millis> last_;
};

} // namespace modara_sim
