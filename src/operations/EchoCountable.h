#pragma once

#include "protocol/link/OperatingMode.h"

#include <string_view>

namespace orvane {

// How many of these characters the modem echoes in this mode, so many echoes
// the pump awaits. The FSK alphabets echo only what they can carry; the
// broadcast states and PSK31 echo nothing.
int echoCountable(OperatingMode mode, std::string_view text);

} // namespace orvane
