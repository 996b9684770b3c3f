#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The station lists of the settings (HISCALLLIST, HISCALL476LIST): items
// separated by commas or blanks; an item holding a blank, a comma or a quote
// is written in double quotes, a quote inside doubled.
std::vector<std::string> splitCallList(std::string_view text);
std::string joinCallList(const std::vector<std::string>& items);

} // namespace orvane
