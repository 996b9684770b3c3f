#pragma once

#include "protocol/ModemCommand.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orvane {

// One row of the gain table: the text the operator picks and the level codes
// the modem takes for the receive and the transmit side.
struct GainRow {
    std::string_view text;
    std::uint8_t receiveCode;
    std::optional<std::uint8_t> transmitCode; // the transmit side stops at +0dB
};

// In the order the table is shown; "0dB" and "-0dB" are read as "+0dB".
std::span<const GainRow> gainTable();

// The receive code of a gain text; the older stored forms "1", "2" and "3"
// mean "+0dB", "+6dB" and "+12dB". Nothing for a text in no row: the caller
// then keeps the code it had.
std::optional<std::uint8_t> receiveGainCode(std::string_view text);
// The transmit code of a gain text, or nothing (caller keeps its code).
std::optional<std::uint8_t> transmitGainCode(std::string_view text);

// Only these hardware versions have a settable transmit level.
bool hasTransmitLevel(std::string_view hardwareVersion);

// AUDIO_LEVEL with a level code: first sent with the receive code, then with
// the transmit code.
ModemCommand audioLevel(std::uint8_t code);

// The transmit half: sent only when the hardware has a transmit level and the
// code is a transmit code (above 31).
std::optional<ModemCommand> transmitAudioLevel(std::string_view hardwareVersion,
                                               std::uint8_t transmitCode);

} // namespace orvane
