#pragma once

#include "protocol/link/OperatingMode.h"

#include <cstdint>

namespace orvane {

// Whether the modem echoes this character in this mode, so that handing it
// over adds one to EchoPending: printable ASCII with CR and LF in Quoral,
// P-Mode and ASCII; the five-unit alphabet in AMTOR and Baudot; nothing in
// the broadcasts and PSK31.
bool CountsTowardEcho(OperatingMode mode, std::uint8_t byte);

} // namespace orvane
