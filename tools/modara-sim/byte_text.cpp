#include "byte_text.h"

#include <charconv>

namespace modara_sim {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::optional<unsigned> hexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

std::optional<unsigned> parseHexDigits(std::string_view text) {
    if (text.empty()) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        auto digit = hexDigit(c);
        if (!digit) return std::nullopt;
        value = value * 16 + *digit;
    }
    return value;
}

} // namespace

std::string formatHex(const std::uint8_t* data, std::size_t size) {
    std::string out;
    out.reserve(size * 3);
    for (std::size_t i = 0; i < size; ++i) {
        if (i > 0) out += ' ';
        out += kHexDigits[data[i] >> 4];
        out += kHexDigits[data[i] & 0x0F];
    }
    return out;
}

std::string formatHex(const Bytes& bytes) {
    return formatHex(bytes.data(), bytes.size());
}

std::optional<std::uint8_t> parseHexByte(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    if (text.size() > 2) return std::nullopt;
    auto value = parseHexDigits(text);
    if (!value) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

std::optional<unsigned> parseFixedHex(std::string_view text, std::size_t digits) {
    if (text.size() != digits) return std::nullopt;
    return parseHexDigits(text);
}

std::optional<long> parseDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<Bytes> unescapeText(std::string_view text) {
    Bytes out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\\') {
            out.push_back(static_cast<std::uint8_t>(c));
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
        case 'r': out.push_back('\r'); break;
        case 'n': out.push_back('\n'); break;
        case 't': out.push_back('\t'); break;
        case '0': out.push_back(0); break;
        case '\\': out.push_back('\\'); break;
        case '"': out.push_back('"'); break;
        case 'x': {
            auto value = i + 2 < text.size() ? parseHexDigits(text.substr(i + 1, 2)) : std::nullopt;
            if (!value) return std::nullopt;
            out.push_back(static_cast<std::uint8_t>(*value));
            i += 2;
            break;
        }
        default: return std::nullopt;
        }
    }
    return out;
}

std::string escapeText(const Bytes& bytes) {
    std::string out;
    for (std::uint8_t b : bytes) {
        switch (b) {
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        default:
            if (b >= 0x20 && b < 0x7F) {
                out += static_cast<char>(b);
            } else {
                out += "\\x";
                out += kHexDigits[b >> 4];
                out += kHexDigits[b & 0x0F];
            }
        }
    }
    return out;
}

} // namespace modara_sim
