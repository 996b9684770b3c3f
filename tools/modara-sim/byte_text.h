#pragma once
// Conversions between bytes and the text forms used in logs, options and scripts.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace modara_sim {

using Bytes = std::vector<std::uint8_t>;

// Upper-case hex, one space between bytes: "80 41 80 46".
std::string formatHex(const std::uint8_t* data, std::size_t size);
std::string formatHex(const Bytes& bytes);

// "41", "0x41" or "0X41"; one or two digits.
std::optional<std::uint8_t> parseHexByte(std::string_view text);

// A hex number of exactly `digits` digits ("8004", "93" ...), no prefix.
std::optional<unsigned> parseFixedHex(std::string_view text, std::size_t digits);

// Decimal integer, optional sign; the whole text must be the number.
std::optional<long> parseDecimal(std::string_view text);

// Resolves the C escapes \r \n \t \0 \\ \" \xHH; an unknown escape fails.
std::optional<Bytes> unescapeText(std::string_view text);

// The reverse, for log lines: printable ASCII as is, everything else escaped.
std::string escapeText(const Bytes& bytes);

} // namespace modara_sim
