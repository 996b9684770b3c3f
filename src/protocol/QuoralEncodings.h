#pragma once

#include "protocol/ModemCommand.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

// The waveform byte of a modulation name ("BPSM", "QPSM", "8PSM", "8P2A",
// "16PSM", "16P4A", "2DPSM"); nothing for any other text.
std::optional<std::uint8_t> waveformByte(std::string_view modulation);

// QUORAL_WAVEFORM as the broadcast dialog sends it: it offers BPSM, QPSM,
// 8PSM, 8P2A, 16P4A and 2DPSM, and any other text gets the BPSM byte.
ModemCommand broadcastWaveform(std::string_view modulation);

// QUORAL_WAVEFORM for the call dialog's list position 0 to 5 (BPSM, QPSM,
// 8PSM, 8P2A, 16PSM, 16P4A); nothing for a position outside the list.
std::optional<ModemCommand> callWaveform(int listPosition);

// "ROBUST" 0, "NORMAL" 1, "FAST" 2, "FASTEST" 3, in any letter case.
std::optional<std::uint8_t> autoBiasCode(std::string_view autoBias);

// QUORAL_AUTOBIAS for the AutoBias setting. Nothing for a word that is none
// of the four: the command without its parameter byte would make the modem
// take the next command's bytes as the parameter and as text for the air.
std::optional<ModemCommand> quoralAutoBias(std::string_view autoBias);

// The Quoral call for the ConnectBias setting: QUORAL_CALL_ROBUST when it is
// "ROBUST" in any letter case, QUORAL_CALL_NORMAL otherwise.
ModemCommand quoralCall(std::string_view connectBias, std::string_view hisCall);

// AF_CHANNEL as the common set-up and the AF channel panel send it: channels
// 1 to 3 as stored, 4 for any other value.
ModemCommand commonAfChannel(int storedChannel);

} // namespace orvane
