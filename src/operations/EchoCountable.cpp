#include "operations/EchoCountable.h"

namespace orvane {
namespace {

bool asciiCountable(unsigned char c) {
    return c == '\n' || c == '\r' || (c >= 0x20 && c <= 0x7E);
}

// The letters-shift '<' of the end-of-line is not among them.
bool baudotCountable(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    constexpr std::string_view kOthers{"\x00\x05\x07\n\r !#$&'()+,-./:=?", 21};
    return kOthers.find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

bool countsTowardEcho(OperatingMode mode, std::uint8_t byte) {
    switch (mode) {
    case OperatingMode::Quoral:
    case OperatingMode::PMode:
    case OperatingMode::Ascii: return asciiCountable(byte);
    case OperatingMode::Amtor:
    case OperatingMode::Baudot: return baudotCountable(byte);
    default: return false;
    }
}

int echoCountable(OperatingMode mode, std::string_view text) {
    int n = 0;
    for (const char ch : text)
        n += countsTowardEcho(mode, static_cast<std::uint8_t>(ch)) ? 1 : 0;
    return n;
}

} // namespace orvane
