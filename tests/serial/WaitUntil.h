#pragma once

#include <chrono>
#include <thread>

namespace orvane::testing {

// Polls `condition` until it holds or `limit` passes; the generous limits
// keep the threaded tests steady on a loaded machine.
template <class Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(3)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace orvane::testing
