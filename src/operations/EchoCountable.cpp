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

int echoCountable(OperatingMode mode, std::string_view text) {
    int n = 0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (mode) {
        case OperatingMode::Quoral:
        case OperatingMode::PMode:
        case OperatingMode::Ascii: n += asciiCountable(c) ? 1 : 0; break;
        case OperatingMode::Amtor:
        case OperatingMode::Baudot: n += baudotCountable(c) ? 1 : 0; break;
        default: break;
        }
    }
    return n;
}

} // namespace orvane
