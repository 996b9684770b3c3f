#include "transfer/text/EchoedCharacters.h"

#include <string_view>

namespace orvane {

namespace {
constexpr std::string_view kFiveUnitPunctuation = " !#$&'()+,-./:=?";

bool InFiveUnitAlphabet(std::uint8_t b) {
    if (b == 0x00 || b == 0x05 || b == 0x07 || b == '\n' || b == '\r') return true;
    if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) return true;
    return kFiveUnitPunctuation.find(static_cast<char>(b)) != std::string_view::npos;
}
} // namespace

bool CountsTowardEcho(OperatingMode mode, std::uint8_t b) {
    switch (mode) {
    case OperatingMode::Quoral:
    case OperatingMode::PMode:
    case OperatingMode::Ascii: return b == '\n' || b == '\r' || (b >= 0x20 && b <= 0x7E);
    case OperatingMode::Amtor:
    case OperatingMode::Baudot: return InFiveUnitAlphabet(b);
    default: return false;
    }
}

} // namespace orvane
