// Editing a compressed stream bit by bit, to build damaged streams.
#pragma once

#include "transfer/implode/corpus.h"

#include <vector>

namespace orvane::pklib::testing {

// The bits after the two header bytes, first bit first.
inline std::vector<bool> StreamBits(const Bytes& s) {
    std::vector<bool> bits;
    for (std::size_t i = 2; i < s.size(); ++i)
        for (int b = 0; b < 8; ++b)
            bits.push_back((s[i] >> b) & 1);
    return bits;
}

inline Bytes PackStream(std::uint8_t lit, std::uint8_t dict, const std::vector<bool>& bits) {
    Bytes s{lit, dict};
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (i % 8 == 0) s.push_back(0);
        if (bits[i]) s.back() = static_cast<std::uint8_t>(s.back() | 1 << (i % 8));
    }
    return s;
}

} // namespace orvane::pklib::testing
