#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <string>

namespace orvane {

// Seconds on the clock's tick count: the time base of transfer start times and
// throughput measurements, shared by the transfers and the clock tick.
inline std::int64_t TransferClockSeconds(const Clock& clock) {
    return clock.tickMs() / 1000;
}

// What the clock tick reads of a running binary receive.
struct BinaryReceiveCounters {
    std::int64_t byteCount = 0;    // bytes in the receive file
    std::int64_t fileSize = 0;     // size before compression
    std::int64_t dataSize = 0;     // compressed size, as sent
    std::int64_t startSeconds = 0; // TransferClockSeconds at the start
};

// The file transfers' side of the clock tick. Every hook does nothing by
// default, so the console can run the tick before the transfers exist.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;

    // Binary receive: the flag BinaryReceiveActive and its counters.
    virtual bool binaryReceiveActive() const { return false; }
    virtual BinaryReceiveCounters binaryReceiveCounters() const { return {}; }
    // The value labels and gauge of FileXferPanel.
    virtual void setXferBytes(const std::string&) {}
    virtual void setXferTime(const std::string&) {}
    virtual void setXferTput(const std::string&) {}
    virtual void setXferGauge(std::int64_t) {}

    // The text file send's display step (gauge from ProgressPos, end of the send).
    virtual void textFileProgressStep() {}
    // The binary sender's progress step (from ProgressPos).
    virtual void binarySendProgressStep() {}
};

} // namespace orvane
