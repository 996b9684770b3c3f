#pragma once

#include <atomic>

namespace orvane {

// Whether the receive decoder strips the modem's software flow-control bytes
// (hardware versions "800A" and "800B" send them). Written by the
// user-interface thread, read by the decoder; a change applies from the next
// byte decoded.
class XonXoffFilter {
public:
    void set(bool on) { on_.store(on, std::memory_order_relaxed); }
    bool isOn() const { return on_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> on_{false};
};

} // namespace orvane
