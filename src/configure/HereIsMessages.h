#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The canned messages in Msg/: "0" to "9" are hereis0.txt to hereis9.txt,
// "WRU" is wru.txt (also the AMTOR answer-back).

// The file of a message number; nothing for any other number text.
std::optional<std::filesystem::path> hereIsFile(const std::filesystem::path& messageDir,
                                                std::string_view number);
// The text a missing message file is created with: "Here is #n", or "WRU".
std::string hereIsDefaultText(std::string_view number);

// The message's bytes. A file that does not exist is first created with its
// default text; one that cannot be read or created gives "".
std::string loadHereIsMessage(const std::filesystem::path& messageDir, std::string_view number);

// Writes the editor's text byte for byte over the message's file. False when
// the number names no message or the file cannot be written.
bool saveHereIsMessage(const std::filesystem::path& messageDir, std::string_view number,
                       std::string_view text);

// The up-down beside the number: 0 to 10, wrapping; 10 shows "WRU".
std::string hereIsNumberAfterStep(std::string_view number, int step);

} // namespace orvane
