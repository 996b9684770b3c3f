#pragma once

#include "protocol/CommandCode.h"
#include "protocol/ModemCommand.h"

#include <initializer_list>
#include <string_view>

namespace orvane {

// The command byte alone: 0x80, code (0x81 0x06 for PANIC). Throws
// std::invalid_argument for a code that takes parameters, so that a missing
// parameter can never shift the modem's reading of the bytes that follow.
ModemCommand command(CommandCode code);

// The command byte followed by its parameter bytes, each 0x80, value. Values
// are the low byte of the integer given, as the settings hold them. Throws
// std::invalid_argument when the count differs from the code's.
ModemCommand command(CommandCode code, std::initializer_list<int> parameters);

// The command byte followed by a text: each character as 0x80, character,
// then 0x80 0x00. The text ends at its first NUL: the modem would end it
// there too and read whatever followed as commands.
ModemCommand textCommand(CommandCode code, std::string_view text);

} // namespace orvane
