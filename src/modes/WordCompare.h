#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

namespace orvane {

// Setting words that the set-ups read without regard to letter case.
inline bool sameWordIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace orvane
