#include "protocol/handshake/VersionTexts.h"

namespace orvane {

std::string hexPairText(std::uint8_t first, std::uint8_t second) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[first >> 4], digits[first & 0x0F], digits[second >> 4], digits[second & 0x0F]};
}

std::string bootVersionText(std::uint8_t first, std::uint8_t second) {
    return std::to_string(first & 0x7F) + "." + std::to_string(second & 0x7F);
}

std::string firmwareVersionText(std::uint8_t first, std::uint8_t second) {
    std::string text = std::to_string(first & 0x0F) + "." + std::to_string(second);
    if ((first >> 4) != 0) text += 'H';
    return text;
}

std::string quoralWaveformText(std::uint8_t first) {
    switch (first >> 4) {
    case 0x0: return "II";
    case 0x9: return "2500";
    case 0xA: return "3000";
    default: return "2000";
    }
}

bool usesXonXoffFilter(std::string_view hardwareVersion) {
    return hardwareVersion == "800A" || hardwareVersion == "800B";
}

} // namespace orvane
