#pragma once

#include "operations/CommandSender.h"

#include <sstream>
#include <string>
#include <vector>

namespace orvane::testing {

// Keeps every byte sent, in order.
class RecordingSender final : public CommandSender {
public:
    void send(const ModemCommand& command) override {
        bytes.insert(bytes.end(), command.bytes().begin(), command.bytes().end());
    }
    std::string hex() const { return toHex(bytes); }
    std::vector<std::uint8_t> bytes;
};

// "80 05" as toHex writes it.
inline std::string hexOf(const std::string& spaced) {
    std::istringstream in(spaced);
    std::vector<std::uint8_t> bytes;
    std::string token;
    while (in >> token) bytes.push_back(static_cast<std::uint8_t>(std::stoi(token, nullptr, 16)));
    return toHex(bytes);
}

} // namespace orvane::testing
