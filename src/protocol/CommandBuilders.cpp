#include "protocol/CommandBuilders.h"

#include "protocol/CommandTable.h"

#include <stdexcept>
#include <string>

namespace orvane {
namespace {

const CommandInfo& rowFor(CommandCode code, ParameterKind kind, int count) {
    const CommandInfo* info = findCommand(code);
    if (!info) throw std::invalid_argument("unknown modem command code");
    if (info->parameters != kind || info->parameterCount != count)
        throw std::invalid_argument("wrong parameters for modem command " +
                                    std::string(info->name));
    return *info;
}

ModemCommand::Bytes commandByte(const CommandInfo& info) {
    return {info.escape, codeByte(info.code)};
}

void appendParameter(ModemCommand::Bytes& out, std::uint8_t value) {
    out.push_back(CommandEscape);
    out.push_back(value);
}

} // namespace

ModemCommand command(CommandCode code) {
    const CommandInfo& info = rowFor(code, ParameterKind::None, 0);
    return {commandByte(info), info.sendKind};
}

ModemCommand command(CommandCode code, std::initializer_list<int> parameters) {
    if (parameters.size() == 0) return command(code);
    const CommandInfo& info =
        rowFor(code, ParameterKind::Bytes, static_cast<int>(parameters.size()));
    ModemCommand::Bytes bytes = commandByte(info);
    for (int value : parameters)
        appendParameter(bytes, static_cast<std::uint8_t>(value & 0xFF));
    return {std::move(bytes), info.sendKind};
}

ModemCommand textCommand(CommandCode code, std::string_view text) {
    const CommandInfo& info = rowFor(code, ParameterKind::Text, 0);
    ModemCommand::Bytes bytes = commandByte(info);
    for (char c : text) {
        if (c == '\0') break;
        appendParameter(bytes, static_cast<std::uint8_t>(c));
    }
    appendParameter(bytes, 0x00);
    return {std::move(bytes), info.sendKind};
}

} // namespace orvane
