#pragma once

#include <atomic>
#include <cstdint>

namespace orvane {

// The modem's software flow control (hardware versions "800A" and "800B"):
// whether the receive decoder strips its XON, XOFF and escape bytes, and
// whether its last XOFF still holds our output. Switched by the user-interface
// thread and told of XON and XOFF by the decoder; read from either. A change of
// the switch applies from the next byte decoded.
class XonXoffFilter {
public:
    static constexpr std::uint8_t kXon = 0x11;
    static constexpr std::uint8_t kXoff = 0x13;

    void set(bool on) {
        on_.store(on, std::memory_order_relaxed);
        if (!on) heldByXoff_.store(false, std::memory_order_relaxed);
    }
    bool isOn() const { return on_.load(std::memory_order_relaxed); }

    // The decoder dropped an XON or an XOFF of the modem's.
    void heard(std::uint8_t flowByte) {
        heldByXoff_.store(flowByte == kXoff, std::memory_order_relaxed);
    }
    // An XOFF came and no XON since: the modem wants nothing more for now.
    bool holdsOutput() const { return isOn() && heldByXoff_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> on_{false};
    std::atomic<bool> heldByXoff_{false};
};

} // namespace orvane
