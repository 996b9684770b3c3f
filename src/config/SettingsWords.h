#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The conversions between the words of the settings file and the values the
// console works with. Every comparison here is exact (case-sensitive).

// "ON" is true, anything else false; true writes "ON", false "OFF".
bool onOffValue(std::string_view word);
std::string_view onOffWord(bool on);

// The OperatingMode named by the Code key: "QUORAL" 1, "TOR" 2, "PMODE" 3,
// "BAUDOT" 4, "ASCII" 5, "PSK31" 10; any other text (empty too) gives 1.
int operatingModeFromCode(std::string_view code);
// The Code name written for an OperatingMode; anything that is not one of the
// six stored modes (the broadcast states 6, 7 and 8 too) writes "QUORAL".
std::string_view codeFromOperatingMode(int mode);

// ListenMode beside the Listen word: 2 when it is "ON", else 1.
int listenModeFromListen(std::string_view listen);

// The port name "COM" + the ComPort value. A value that is not all decimal
// digits is treated as empty and gives "COM", which names no port, so the
// operator is asked to pick one instead of the text reaching a device path.
std::string portNameFromComPort(std::string_view value);
// The ComPort value of a port name: its characters after the third.
std::string comPortFromPortName(std::string_view portName);

// A_LetterCase keeps the first character of its value; nothing when empty.
std::optional<char> letterCaseFromText(std::string_view text);

// At most `capacity` bytes of the text, cut at a UTF-8 character boundary.
std::string cutToCapacity(std::string_view text, std::size_t capacity);

// A strict decimal integer: an optional sign and digits only, within 32 bits.
std::optional<int> strictDecimal(std::string_view text);

} // namespace orvane
