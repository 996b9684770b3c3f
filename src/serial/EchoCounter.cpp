#include "serial/EchoCounter.h"

namespace orvane {

void EchoCounter::add(int n) {
    std::lock_guard guard(EchoPendingLock);
    pending_ += n;
}

void EchoCounter::countEcho(std::uint8_t byte) {
    std::lock_guard guard(EchoPendingLock);
    if (pending_ > 0) pending_ -= (byte == 0x80 || byte == 0x81) ? 2 : 1;
}

int EchoCounter::EchoPending() const {
    std::lock_guard guard(EchoPendingLock);
    return pending_;
}

void EchoCounter::reset() {
    std::lock_guard guard(EchoPendingLock);
    pending_ = 0;
}

} // namespace orvane
