#pragma once
// Who the simulated modem says it is: its answers to the start-up queries.
//
// Each query is answered by an item equal to the query code, then two reply bytes as data;
// the self-test query by its code and the self-test result.

#include "byte_text.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace modara_sim {

enum class Query { Selftest, Id, VersionX, Product, VersionV, VersionW, Count };

struct QueryInfo {
    std::uint8_t code;
    Query query;
    std::string_view name; // as given to --silent
};

const QueryInfo* findQuery(std::uint8_t code);

struct Identity {
    using Pair = std::array<std::uint8_t, 2>;
    Pair productId{0x12, 0x34};
    Pair boot{0x8C, 0x05};     // boot ROM 12.5
    Pair lod{0x93, 0x07};      // LOD 3.7H, waveform family 2500
    Pair s28{0x92, 0x0C};      // S28 2.12H, waveform family 2500
    Pair hardware{0x80, 0x04}; // 8004: no software flow control
    std::uint8_t selftest = 0; // a signed byte on the wire
    std::array<bool, static_cast<std::size_t>(Query::Count)> silent{};
    bool echoAsData = false; // echo the query code as a data byte instead of a status

    // Hardware 800A and 800B send XON/XOFF and escape the bytes that look like them.
    bool usesFlowControl() const;
};

// Changes one setting by its option name ("product-id", "boot", "lod", "s28", "hardware",
// "selftest", "silent", "echo-data"); returns an error text, empty when it was applied.
std::string setIdentity(Identity& identity, std::string_view key, std::string_view value);

struct QueryReply {
    std::uint8_t echo;
    Bytes bytes;
};

// The reply to query `code`; nullopt when `code` is no query or the query is kept silent.
std::optional<QueryReply> replyTo(const Identity& identity, std::uint8_t code);

} // namespace modara_sim
