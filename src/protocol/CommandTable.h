#pragma once

#include "protocol/CommandCode.h"
#include "protocol/ModemCommand.h"

#include <span>
#include <string_view>

namespace orvane {

enum class ParameterKind {
    None,
    Bytes, // a fixed number of parameter bytes, each behind CommandEscape
    Text,  // characters behind CommandEscape, ended by 0x80 0x00
};

// One row of the vocabulary: what follows the code and how it is sent.
struct CommandInfo {
    CommandCode code;
    std::string_view name;
    ParameterKind parameters;
    int parameterCount; // parameter bytes of a Bytes row; 0 otherwise
    SendKind sendKind;
    std::uint8_t escape; // CommandEscape, or DataEscape for PANIC
};

// Every command the console sends, in code order.
std::span<const CommandInfo> commandTable();

// The row of a code, or nullptr for a byte that is no command of ours.
const CommandInfo* findCommand(CommandCode code);
const CommandInfo* findCommand(std::string_view name);

} // namespace orvane
