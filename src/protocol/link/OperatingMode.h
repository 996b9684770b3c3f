#pragma once

#include <optional>
#include <string>

namespace orvane {

// What the console believes the modem is doing. The broadcast states last as
// long as the broadcast and then fall back to the mode they came from.
enum class OperatingMode : int {
    Quoral = 1,
    Amtor = 2,
    PMode = 3,
    Baudot = 4,
    Ascii = 5,
    QuoralBroadcast = 6,
    AmtorBroadcast = 7, // FEC (Mode B), SFEC (Mode S) or CFEC
    PModeUnproto = 8,
    Psk31 = 10,
};

// The mode stored under this number, if there is one (the `Code` setting and
// the saved state use the numbers).
std::optional<OperatingMode> operatingModeFromValue(int value);
int operatingModeValue(OperatingMode mode);

// Quoral broadcast to Quoral, AMTOR broadcast to AMTOR, unproto to P-Mode;
// every other mode is its own base.
OperatingMode baseMode(OperatingMode mode);
bool isBroadcast(OperatingMode mode);
// Baudot and ASCII: the FSK modes without ARQ links.
bool isFsk(OperatingMode mode);

// The mode's name in status panel 0 ("QUORAL", "AMTOR", "P-Mode", ...); a
// broadcast shows the name of its base mode.
std::string panelName(OperatingMode mode);

} // namespace orvane
