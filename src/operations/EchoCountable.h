#pragma once

#include "protocol/link/OperatingMode.h"

#include <cstdint>
#include <string_view>

namespace orvane {

// Whether the modem echoes this character in this mode, so that handing it
// over adds one to EchoPending: printable ASCII with CR and LF in Quoral,
// P-Mode and ASCII; the five-unit alphabet in AMTOR and Baudot (the
// letters-shift '<' of the end-of-line not among it); nothing in the
// broadcasts and PSK31.
bool countsTowardEcho(OperatingMode mode, std::uint8_t byte);

// How many of these characters the modem echoes in this mode, so many echoes
// the pump awaits. The FSK alphabets echo only what they can carry; the
// broadcast states and PSK31 echo nothing.
int echoCountable(OperatingMode mode, std::string_view text);

} // namespace orvane
