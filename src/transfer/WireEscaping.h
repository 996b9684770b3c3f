#pragma once

#include "transfer/InBandCodes.h"

#include <cstdint>
#include <string_view>

namespace orvane {

// To the modem, 0x80 and 0x81 are its command and data escapes: meant as
// data, either goes out as 0x81 followed by the byte.
void AppendModemData(Bytes& out, std::uint8_t byte);
void AppendModemData(Bytes& out, std::string_view text);

// One byte of a file's data: 0x00 and 0x01 become the in-band codes 0x90 and
// 0x91 (so that 0x01 always starts a sequence), then the modem escaping.
void AppendFileData(Bytes& out, std::uint8_t byte);

// 0x01 and a code, as the modem must receive them.
Bytes InBandSequence(std::uint8_t code);

} // namespace orvane
