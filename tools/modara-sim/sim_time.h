#pragma once
// Time as the simulator's logic sees it: milliseconds on a monotonic clock, handed in by the
// caller so that tests can drive it.

#include <cstdint>

namespace modara_sim {
using Millis = std::int64_t;
} // namespace modara_sim
