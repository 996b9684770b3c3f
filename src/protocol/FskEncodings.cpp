#include "protocol/FskEncodings.h"

#include "protocol/CommandBuilders.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr std::array kRates{45, 50, 57, 75, 100, 110};

int highByte(int value) {
    return (value >> 8) & 0xFF;
}

} // namespace

ModemCommand fskTones(int markHz, int spaceHz) {
    return command(CommandCode::FSK_TONES, {highByte(markHz), markHz, highByte(spaceHz), spaceHz});
}

ModemCommand fskFamily(FskFamily family) {
    return command(CommandCode::FSK_FAMILY, {static_cast<int>(family)});
}

std::optional<std::uint8_t> rateIndex(int baud) {
    auto it = std::find(kRates.begin(), kRates.end(), baud);
    if (it == kRates.end()) return std::nullopt;
    return static_cast<std::uint8_t>(it - kRates.begin());
}

ModemCommand baudotRate(int baud) {
    return command(CommandCode::BAUDOT_RATE, {rateIndex(baud).value_or(0)});
}

ModemCommand asciiRate(int baud) {
    return command(CommandCode::ASCII_RATE, {rateIndex(baud).value_or(0)});
}

} // namespace orvane
