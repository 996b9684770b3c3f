#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// Line-error bits of the port's status query. The receive thread matches the
// whole mask, so two errors at once count as an unknown one.
namespace line_error {
inline constexpr std::uint32_t kRxBufferOverflow = 0x1;
inline constexpr std::uint32_t kOverrun = 0x2;
inline constexpr std::uint32_t kParity = 0x4;
inline constexpr std::uint32_t kFraming = 0x8;
inline constexpr std::uint32_t kBreak = 0x10;
inline constexpr std::uint32_t kTxBufferFull = 0x100;
inline constexpr std::uint32_t kIo = 0x400;
} // namespace line_error

// The operator's text for a line-error mask ("FRAMING Error!", ...).
std::string_view lineErrorText(std::uint32_t mask);

} // namespace orvane
