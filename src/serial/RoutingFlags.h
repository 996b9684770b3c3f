#pragma once

#include <atomic>

namespace orvane {

// The flags that steer the routing of received items. Each is written by the
// user-interface thread and read by the routing thread without a lock; a
// change takes effect from the next item.
struct RoutingFlags {
    std::atomic<bool> RoutingEnabled{true};
    std::atomic<bool> RoutingPaused{false};
    std::atomic<bool> EchoMode{false};
    std::atomic<bool> BinaryReceiveActive{false};
};

} // namespace orvane
