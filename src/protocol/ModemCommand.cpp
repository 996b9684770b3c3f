#include "protocol/ModemCommand.h"

#include "protocol/CommandCode.h"

namespace orvane {

std::string toHex(std::span<const std::uint8_t> bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        if (!text.empty()) text += ' ';
        text += digits[b >> 4];
        text += digits[b & 0x0F];
    }
    return text;
}

void appendDataByte(ModemCommand::Bytes& out, std::uint8_t byte) {
    if (byte == CommandEscape || byte == DataEscape) out.push_back(DataEscape);
    out.push_back(byte);
}

} // namespace orvane
