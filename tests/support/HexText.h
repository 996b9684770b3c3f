#pragma once

#include "protocol/ModemCommand.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::testing {

// "80 67 80 00" written as a test expects it, normalised to toHex's form.
inline std::string hexOf(const std::string& spaced) {
    std::istringstream in(spaced);
    std::vector<std::uint8_t> bytes;
    std::string token;
    while (in >> token)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(token, nullptr, 16)));
    return toHex(bytes);
}

} // namespace orvane::testing
