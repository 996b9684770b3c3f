// The code tables of the implode format, built at compile time from the
// format's definition: the bit length of every symbol's code. The codes are
// canonical Huffman codes (shorter codes first, symbols in order within a
// length) with every bit inverted, sent most significant bit first into a
// stream that is packed from the least significant bit of each byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvane::pklib::detail {

// Bit lengths in runs: each byte is (run length - 1) << 4 | bit length.
inline constexpr std::uint8_t kLiteralLengthRuns[] = {
    11, 124, 8,   7,   28,  7,   188, 13, 76, 4,  10, 8,  12, 10, 12, 10, 8,  23, 8,  9,
    7,  6,   7,   8,   7,   6,   55,  8,  23, 24, 12, 11, 7,  9,  11, 12, 6,  7,  22, 5,
    7,  24,  6,   11,  9,   6,   7,   22, 7,  11, 38, 7,  9,  8,  25, 11, 8,  11, 9,  12,
    8,  12,  5,   38,  5,   38,  5,   11, 7,  5,  6,  21, 6,  10, 53, 8,  7,  24, 10, 27,
    44, 253, 253, 253, 252, 252, 252, 13, 12, 45, 12, 45, 12, 61, 12, 45, 44, 173};
inline constexpr std::uint8_t kLengthLengthRuns[] = {2, 35, 36, 53, 38, 23};
inline constexpr std::uint8_t kDistanceLengthRuns[] = {2, 20, 53, 230, 247, 151, 248};

// Length symbols: base length and count of extra bits that follow the code.
inline constexpr std::uint16_t kLengthBase[16] = {3,  2,  4,  5,  6,  7,  8,   9,
                                                  10, 12, 16, 24, 40, 72, 136, 264};
inline constexpr std::uint8_t kLengthExtra[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};

inline constexpr int kMinMatch = 2;
inline constexpr int kEndLength = 519; // the length value that ends the stream

template <std::size_t N, std::size_t R>
constexpr std::array<std::uint8_t, N> ExpandRuns(const std::uint8_t (&runs)[R]) {
    std::array<std::uint8_t, N> lengths{};
    std::size_t n = 0;
    for (std::uint8_t run : runs)
        for (int i = 0; i <= run >> 4; ++i)
            lengths[n++] = run & 15;
    if (n != N) throw "code length runs do not cover the alphabet"; // fails the constant evaluation
    return lengths;
}

inline constexpr auto kLiteralLengths = ExpandRuns<256>(kLiteralLengthRuns);
inline constexpr auto kLengthLengths = ExpandRuns<16>(kLengthLengthRuns);
inline constexpr auto kDistanceLengths = ExpandRuns<64>(kDistanceLengthRuns);

// A code as it enters the stream: `bits` holds the first bit lowest.
struct Code {
    std::uint16_t bits;
    std::uint8_t length;
};

template <std::size_t N>
constexpr std::array<Code, N> MakeCodes(const std::array<std::uint8_t, N>& len) {
    int count[17] = {};
    for (std::uint8_t l : len)
        ++count[l];
    int next[17] = {};
    int code = 0;
    long kraft = 0;
    for (int l = 1; l <= 16; ++l) {
        code = (code + count[l - 1]) << 1;
        next[l] = code;
        kraft += static_cast<long>(count[l]) << (16 - l);
    }
    if (count[0] != 0 || kraft != 1L << 16) throw "code lengths do not form a complete prefix code";
    std::array<Code, N> codes{};
    for (std::size_t s = 0; s < N; ++s) {
        const int l = len[s];
        const int inverted = ~next[l]++ & ((1 << l) - 1);
        int reversed = 0;
        for (int b = 0; b < l; ++b)
            reversed |= ((inverted >> (l - 1 - b)) & 1) << b;
        codes[s] = {static_cast<std::uint16_t>(reversed), static_cast<std::uint8_t>(l)};
    }
    return codes;
}

inline constexpr auto kLiteralCodes = MakeCodes(kLiteralLengths);
inline constexpr auto kLengthCodes = MakeCodes(kLengthLengths);
inline constexpr auto kDistanceCodes = MakeCodes(kDistanceLengths);

// ---- Encoder side -----------------------------------------------------------

// The whole head of a match token for each length 2..519: the flag bit 1, the
// length code and its extra bits (at most 1 + 7 + 8 = 16 bits).
struct Token {
    std::uint32_t bits;
    std::uint32_t length;
};

constexpr std::array<Token, kEndLength + 1> MakeMatchTokens() {
    std::array<Token, kEndLength + 1> t{};
    for (int n = kMinMatch; n <= kEndLength; ++n) {
        // Symbol 1 codes length 2 and symbol 0 length 3; from 4 up the bases rise.
        int s = n == 2 ? 1 : 0;
        if (n > 3)
            for (s = 15; kLengthBase[s] > n;)
                --s;
        const Code c = kLengthCodes[static_cast<std::size_t>(s)];
        const std::uint32_t extra = static_cast<std::uint32_t>(n - kLengthBase[s]);
        t[static_cast<std::size_t>(n)] = {1u | static_cast<std::uint32_t>(c.bits) << 1 |
                                              extra << (1 + c.length),
                                          1u + c.length + kLengthExtra[s]};
    }
    return t;
}
inline constexpr auto kMatchTokens = MakeMatchTokens();

// Literal tokens: the flag bit 0 and the literal's code, for each literal coding.
constexpr std::array<Token, 512> MakeLiteralTokens() {
    std::array<Token, 512> t{};
    for (std::uint32_t b = 0; b < 256; ++b) {
        t[b] = {b << 1, 9};
        const Code c = kLiteralCodes[b];
        t[256 + b] = {static_cast<std::uint32_t>(c.bits) << 1, 1u + c.length};
    }
    return t;
}
inline constexpr auto kLiteralTokens = MakeLiteralTokens();

// ---- Decoder side -----------------------------------------------------------

// Two-level lookup: the first kBits of the stream index the first level; an
// entry holds symbol | length << 8, or 0x8000 | the start of a second-level
// table indexed by the next (maxLength - kBits) bits.
template <std::size_t N> constexpr int MaxLength(const std::array<std::uint8_t, N>& len) {
    int m = 0;
    for (std::uint8_t l : len)
        m = l > m ? l : m;
    return m;
}

template <std::size_t N>
constexpr std::size_t SecondLevelSize(const std::array<Code, N>& codes, int first_bits,
                                      int max_len) {
    bool used[1 << 12] = {};
    std::size_t tables = 0;
    for (const Code& c : codes)
        if (c.length > first_bits) {
            const int prefix = c.bits & ((1 << first_bits) - 1);
            if (!used[prefix]) {
                used[prefix] = true;
                ++tables;
            }
        }
    return tables << (max_len - first_bits);
}

template <std::size_t N, int FirstBits, int MaxLen, std::size_t Size>
constexpr std::array<std::uint16_t, Size> MakeDecodeTable(const std::array<Code, N>& codes) {
    std::array<std::uint16_t, Size> t{};
    constexpr int kFirst = 1 << FirstBits;
    constexpr int kSecondBits = MaxLen - FirstBits;
    std::size_t next_table = kFirst;
    for (std::size_t s = 0; s < N; ++s) {
        const Code c = codes[s];
        const auto entry = static_cast<std::uint16_t>(s | static_cast<std::size_t>(c.length) << 8);
        if (c.length <= FirstBits) {
            for (int i = c.bits; i < kFirst; i += 1 << c.length)
                t[static_cast<std::size_t>(i)] = entry;
            continue;
        }
        const int prefix = c.bits & (kFirst - 1);
        if ((t[static_cast<std::size_t>(prefix)] & 0x8000) == 0) {
            t[static_cast<std::size_t>(prefix)] = static_cast<std::uint16_t>(0x8000 | next_table);
            next_table += std::size_t{1} << kSecondBits;
        }
        const std::size_t base = t[static_cast<std::size_t>(prefix)] & 0x7fff;
        const int rest_len = c.length - FirstBits;
        for (int i = c.bits >> FirstBits; i < 1 << kSecondBits; i += 1 << rest_len)
            t[base + static_cast<std::size_t>(i)] = entry;
    }
    return t;
}

inline constexpr int kLiteralFirstBits = 10;
inline constexpr int kLiteralMaxBits = MaxLength(kLiteralLengths);
inline constexpr std::size_t kLiteralTableSize =
    (std::size_t{1} << kLiteralFirstBits) +
    SecondLevelSize(kLiteralCodes, kLiteralFirstBits, kLiteralMaxBits);
inline constexpr auto kLiteralDecode =
    MakeDecodeTable<256, kLiteralFirstBits, kLiteralMaxBits, kLiteralTableSize>(kLiteralCodes);

inline constexpr int kLengthMaxBits = MaxLength(kLengthLengths);     // 7
inline constexpr int kDistanceMaxBits = MaxLength(kDistanceLengths); // 8
inline constexpr auto kLengthDecode =
    MakeDecodeTable<16, kLengthMaxBits, kLengthMaxBits, 1 << kLengthMaxBits>(kLengthCodes);
inline constexpr auto kDistanceDecode =
    MakeDecodeTable<64, kDistanceMaxBits, kDistanceMaxBits, 1 << kDistanceMaxBits>(kDistanceCodes);

} // namespace orvane::pklib::detail
