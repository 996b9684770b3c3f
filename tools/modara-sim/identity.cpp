#include "identity.h"

#include <array>

namespace modara_sim {

namespace {

constexpr std::array<QueryInfo, 6> kQueries{{
    {0x02, Query::Selftest, "selftest"},
    {0x7B, Query::Id, "id"},
    {0x78, Query::VersionX, "version-x"},
    {0xA0, Query::Product, "product"},
    {0x76, Query::VersionV, "version-v"},
    {0x77, Query::VersionW, "version-w"},
}};

std::optional<Identity::Pair> parseWord(std::string_view text) {
    auto value = parseFixedHex(text, 4);
    if (!value) return std::nullopt;
    return Identity::Pair{static_cast<std::uint8_t>(*value >> 8),
                          static_cast<std::uint8_t>(*value & 0xFF)};
}

std::optional<Identity::Pair> parseColonPair(std::string_view text) {
    if (text.size() != 5 || text[2] != ':') return std::nullopt;
    auto high = parseFixedHex(text.substr(0, 2), 2);
    auto low = parseFixedHex(text.substr(3, 2), 2);
    if (!high || !low) return std::nullopt;
    return Identity::Pair{static_cast<std::uint8_t>(*high), static_cast<std::uint8_t>(*low)};
}

std::string setSilent(Identity& identity, std::string_view list) {
    decltype(identity.silent) silent{};
    while (!list.empty()) {
        auto comma = list.find(',');
        auto name = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
        if (name.empty()) continue;
        bool known = false;
        for (const auto& query : kQueries) {
            if (query.name == name) {
                silent[static_cast<std::size_t>(query.query)] = true;
                known = true;
            }
        }
        if (!known) return "unknown query name '" + std::string(name) + "'";
    }
    identity.silent = silent;
    return {};
}

std::string setPair(Identity::Pair& field, std::optional<Identity::Pair> value,
                    std::string_view shape) {
    if (!value) return "expected " + std::string(shape);
    field = *value;
    return {};
}

} // namespace

const QueryInfo* findQuery(std::uint8_t code) {
    for (const auto& query : kQueries)
        if (query.code == code) return &query;
    return nullptr;
}

bool Identity::usesFlowControl() const {
    return hardware[0] == 0x80 && (hardware[1] == 0x0A || hardware[1] == 0x0B);
}

std::string setIdentity(Identity& identity, std::string_view key, std::string_view value) {
    if (key == "product-id") return setPair(identity.productId, parseWord(value), "HHHH");
    if (key == "hardware") return setPair(identity.hardware, parseWord(value), "HHHH");
    if (key == "boot") return setPair(identity.boot, parseColonPair(value), "XX:YY");
    if (key == "lod") return setPair(identity.lod, parseColonPair(value), "XX:YY");
    if (key == "s28") return setPair(identity.s28, parseColonPair(value), "XX:YY");
    if (key == "selftest") {
        auto number = parseDecimal(value);
        if (!number || *number < -128 || *number > 255) return "expected a number -128..255";
        identity.selftest = static_cast<std::uint8_t>(*number & 0xFF);
        return {};
    }
    if (key == "silent") return setSilent(identity, value);
    if (key == "echo-data") {
        if (value != "on" && value != "off") return "expected on or off";
        identity.echoAsData = value == "on";
        return {};
    }
    return "unknown identity key '" + std::string(key) + "'";
}

std::optional<QueryReply> replyTo(const Identity& identity, std::uint8_t code) {
    const QueryInfo* query = findQuery(code);
    if (query == nullptr || identity.silent[static_cast<std::size_t>(query->query)])
        return std::nullopt;
    auto pair = [code](const Identity::Pair& p) { return QueryReply{code, {p[0], p[1]}}; };
    switch (query->query) {
    case Query::Selftest: return QueryReply{code, {identity.selftest}};
    case Query::Id: return pair(identity.productId);
    case Query::VersionX: return pair(identity.boot);
    case Query::Product: return pair(identity.hardware);
    case Query::VersionV: return pair(identity.lod);
    case Query::VersionW: return pair(identity.s28);
    case Query::Count: break;
    }
    return std::nullopt;
}

} // namespace modara_sim
