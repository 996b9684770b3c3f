#pragma once

#include "operations/CommandSender.h"
#include "support/HexText.h"

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

} // namespace orvane::testing
