#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Product ID and hardware version: both bytes as four upper-case hex digits,
// first byte first ("800B").
std::string hexPairText(std::uint8_t first, std::uint8_t second);

// Boot ROM version: the low seven bits of each byte, "12.5".
std::string bootVersionText(std::uint8_t first, std::uint8_t second);

// DSP (LOD) and CPU (S28) versions: the first byte's low nibble, ".", the
// second byte, and "H" when the first byte's high nibble is not 0 ("3.7H").
std::string firmwareVersionText(std::uint8_t first, std::uint8_t second);

// The Quoral waveform family from the high nibble of a firmware version's
// first byte: 0x0 "II", 0x8 "2000", 0x9 "2500", 0xA "3000", otherwise "2000".
std::string quoralWaveformText(std::uint8_t first);

// The hardware versions whose receive stream carries XON/XOFF bytes to drop.
bool usesXonXoffFilter(std::string_view hardwareVersion);

} // namespace orvane
