#pragma once

#include "protocol/ModemCommand.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace orvane {

// AMTOR selective broadcast: the modem takes a group call of at most four
// characters, so only the first four are sent.
ModemCommand amtorSelectiveFec(std::string_view groupCall);

// SET_ANSWERBACK with the bytes of the answer-back file, as they are, up to
// its end (or up to a NUL, as for every text).
ModemCommand answerBack(std::string_view fileContent);

// The same, read from the file (Msg/wru.txt). Nothing when the file cannot be
// read: the answer-back is then simply not set.
std::optional<ModemCommand> answerBackFromFile(const std::filesystem::path& file);

} // namespace orvane
