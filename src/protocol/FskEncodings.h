#pragma once

#include "protocol/ModemCommand.h"

#include <cstdint>
#include <optional>

namespace orvane {

// FSK_TONES: the mark and then the space frequency in hertz, each as two
// parameter bytes, high byte first.
ModemCommand fskTones(int markHz, int spaceHz);

// The protocol family FSK_FAMILY selects.
enum class FskFamily : std::uint8_t { BaudotAscii = 0, Amtor = 1, PMode = 2 };
ModemCommand fskFamily(FskFamily family);

// The modem's index of a Baudot or ASCII rate in baud: 45, 50, 57, 75, 100
// and 110 are 0 to 5. Nothing for any other rate; the set-ups then send 0.
std::optional<std::uint8_t> rateIndex(int baud);

// BAUDOT_RATE and ASCII_RATE for a stored rate (index 0 for an unknown rate).
ModemCommand baudotRate(int baud);
ModemCommand asciiRate(int baud);

} // namespace orvane
