#pragma once

#include <optional>
#include <string_view>

namespace orvane {

// The audio gain texts of the settings file and the codes the modem's audio
// level command takes. Texts are compared exactly.

// The RX code of a gain text; nothing for a text in no row.
std::optional<int> rxGainCode(std::string_view text);
// The TX code of a gain text; nothing for a text in no row or without a TX code.
std::optional<int> txGainCode(std::string_view text);

// The text written for an RX code. Besides the table's codes, 24, 26 and 28
// write "+0dB", "+6dB" and "+12dB"; every other code writes "+0dB".
std::string_view rxGainText(int code);
// The text of a TX code 32 to 40; nothing for any other code.
std::optional<std::string_view> txGainText(int code);

// Reading RXGain: older files stored "1", "2" and "3" for "+0dB", "+6dB" and
// "+12dB". A text in no row leaves `previous`.
int readRxGain(std::string_view text, int previous);

// Only the hardware versions "800A", "8004" and "800B" have a TX gain.
bool hasTxGain(std::string_view hardwareVersion);

} // namespace orvane
