#include "transfer/WireEscaping.h"

namespace orvane {

namespace {
constexpr std::uint8_t kModemCommandEscape = 0x80;
constexpr std::uint8_t kModemDataEscape = 0x81;
} // namespace

void AppendModemData(Bytes& out, std::uint8_t byte) {
    if (byte == kModemCommandEscape || byte == kModemDataEscape) out.push_back(kModemDataEscape);
    out.push_back(byte);
}

void AppendModemData(Bytes& out, std::string_view text) {
    for (char c : text)
        AppendModemData(out, static_cast<std::uint8_t>(c));
}

void AppendFileData(Bytes& out, std::uint8_t byte) {
    if (byte == 0x00 || byte == inband::kStart) {
        out.push_back(inband::kStart);
        out.push_back(byte == 0x00 ? inband::kByteZero : inband::kByteOne);
        return;
    }
    AppendModemData(out, byte);
}

Bytes InBandSequence(std::uint8_t code) {
    Bytes out{inband::kStart};
    AppendModemData(out, code);
    return out;
}

} // namespace orvane
