#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

using Bytes = std::vector<std::uint8_t>;

// The consoles' own control sequences inside the data stream: the data byte
// 0x01, a code byte, and for some codes further bytes.
namespace inband {
inline constexpr std::uint8_t kStart = 0x01;

inline constexpr std::uint8_t kFax = 0x0C;
inline constexpr std::uint8_t kHeader = 0x80;
inline constexpr std::uint8_t kReady = 0x81;
inline constexpr std::uint8_t kHeaderAlt = 0x82; // read like a header
inline constexpr std::uint8_t kByteZero = 0x90;  // one data byte 0x00
inline constexpr std::uint8_t kByteOne = 0x91;   // one data byte 0x01
inline constexpr std::uint8_t kExists = 0x92;
inline constexpr std::uint8_t kEndOfFile = 0x93;
inline constexpr std::uint8_t kComplete = 0x94;
inline constexpr std::uint8_t kFailed = 0x95;
inline constexpr std::uint8_t kCancelled = 0x96;

// Field separators of the header and the ready reply.
inline constexpr std::uint8_t kFieldEnd = 0x08;
inline constexpr std::uint8_t kSequenceEnd = 0x02;
} // namespace inband

} // namespace orvane
