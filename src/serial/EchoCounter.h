#pragma once

#include <cstdint>
#include <mutex>

namespace orvane {

// EchoPending: how many queued bytes still await their echo from the modem.
// The senders add what they queue; each echo takes its share off again.
class EchoCounter {
public:
    void add(int n);
    // One echoed byte: while some are pending, 0x80 and 0x81 count two (the
    // senders queued them as two bytes), others one. So 1 can become -1,
    // which then stays until the senders add again.
    void countEcho(std::uint8_t byte);
    int EchoPending() const;
    void reset();

private:
    mutable std::mutex EchoPendingLock;
    int pending_ = 0;
};

} // namespace orvane
