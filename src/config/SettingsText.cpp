#include "config/SettingsText.h"

#include <algorithm>
#include <cstdint>

namespace orvane {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

bool isSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}
bool isHighSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(std::string& text, std::uint32_t point) {
    const auto byte = [&text](std::uint32_t b) { text.push_back(static_cast<char>(b)); };
    if (point < 0x80) {
        byte(point);
    } else if (point < 0x800) {
        byte(0xC0 | point >> 6);
        byte(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        byte(0xE0 | point >> 12);
        byte(0x80 | (point >> 6 & 0x3F));
        byte(0x80 | (point & 0x3F));
    } else {
        byte(0xF0 | point >> 18);
        byte(0x80 | (point >> 12 & 0x3F));
        byte(0x80 | (point >> 6 & 0x3F));
        byte(0x80 | (point & 0x3F));
    }
}

// The code units after the mark as UTF-8; nothing when they do not pair up.
std::optional<std::string> fromUtf16(std::string_view units, bool bigEndian) {
    if (units.size() % 2 != 0) return std::nullopt;
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<std::uint8_t>(units[i]);
        const auto second = static_cast<std::uint8_t>(units[i + 1]);
        return bigEndian ? std::uint32_t{first} << 8 | second : std::uint32_t{second} << 8 | first;
    };
    std::string text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); i += 2) {
        std::uint32_t point = unitAt(i);
        if (isSurrogate(point)) {
            if (!isHighSurrogate(point) || i + 2 >= units.size()) return std::nullopt;
            const std::uint32_t low = unitAt(i + 2);
            if (!isLowSurrogate(low)) return std::nullopt;
            point = 0x10000 + ((point - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        appendUtf8(text, point);
    }
    return text;
}

bool isTextByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\x1A';
}

} // namespace

std::optional<std::string> settingsText(std::string_view bytes) {
    std::optional<std::string> text;
    if (bytes.starts_with(kUtf16LittleEndianMark))
        text = fromUtf16(bytes.substr(kUtf16LittleEndianMark.size()), false);
    else if (bytes.starts_with(kUtf16BigEndianMark))
        text = fromUtf16(bytes.substr(kUtf16BigEndianMark.size()), true);
    else if (bytes.starts_with(kUtf8Mark))
        text = std::string(bytes.substr(kUtf8Mark.size()));
    else
        text = std::string(bytes);
    if (!text || !std::all_of(text->begin(), text->end(), isTextByte)) return std::nullopt;
    return text;
}

} // namespace orvane
