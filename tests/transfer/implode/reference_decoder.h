// A slow, bit-at-a-time decoder of the implode format for differential tests.
// It is written straight from the format's definition and shares nothing with
// the codec: its own code length runs, canonical codes built by counting, one
// bit per step. It applies Explode's result rules to a whole
// stream held in memory.
#pragma once

#include "transfer/implode/corpus.h"

#include <cstdint>
#include <vector>

namespace orvane::pklib::testing {

struct ReferenceResult {
    unsigned result = 0;
    Bytes output;
    std::vector<unsigned> lengths; // length of each token, 1 for a literal
};

class ReferenceDecoder {
public:
    static ReferenceResult Decode(const Bytes& s) {
        ReferenceDecoder d(s);
        return d.Run();
    }

private:
    struct Huffman {
        int count[17] = {};
        std::vector<int> symbol;
    };

    explicit ReferenceDecoder(const Bytes& s) : s_(s) {
        static const std::uint8_t kLit[] = {
            11, 124, 8,   7,   28,  7,   188, 13, 76, 4,  10, 8,  12, 10, 12, 10, 8,  23, 8,  9,
            7,  6,   7,   8,   7,   6,   55,  8,  23, 24, 12, 11, 7,  9,  11, 12, 6,  7,  22, 5,
            7,  24,  6,   11,  9,   6,   7,   22, 7,  11, 38, 7,  9,  8,  25, 11, 8,  11, 9,  12,
            8,  12,  5,   38,  5,   38,  5,   11, 7,  5,  6,  21, 6,  10, 53, 8,  7,  24, 10, 27,
            44, 253, 253, 253, 252, 252, 252, 13, 12, 45, 12, 45, 12, 61, 12, 45, 44, 173};
        static const std::uint8_t kLen[] = {2, 35, 36, 53, 38, 23};
        static const std::uint8_t kDist[] = {2, 20, 53, 230, 247, 151, 248};
        Build(lit_, kLit, sizeof kLit);
        Build(len_, kLen, sizeof kLen);
        Build(dist_, kDist, sizeof kDist);
    }

    static void Build(Huffman& h, const std::uint8_t* runs, std::size_t n) {
        std::vector<int> lengths;
        for (std::size_t i = 0; i < n; ++i)
            for (int k = 0; k <= runs[i] >> 4; ++k)
                lengths.push_back(runs[i] & 15);
        for (int l : lengths)
            ++h.count[l];
        for (int l = 1; l <= 16; ++l)
            for (std::size_t sym = 0; sym < lengths.size(); ++sym)
                if (lengths[sym] == l) h.symbol.push_back(static_cast<int>(sym));
    }

    // One bit; false when the stream has no more.
    bool Bit(int& b) {
        if (bit_ >= 8 * s_.size()) return false;
        b = (s_[bit_ / 8] >> (bit_ % 8)) & 1;
        ++bit_;
        return true;
    }
    bool Bits(int n, int& v) {
        v = 0;
        for (int i = 0; i < n; ++i) {
            int b;
            if (!Bit(b)) return false;
            v |= b << i;
        }
        return true;
    }
    // Canonical decoding, first bit the most significant, every bit inverted.
    bool Symbol(const Huffman& h, int& sym) {
        int code = 0, first = 0, index = 0;
        for (int l = 1; l <= 16; ++l) {
            int b;
            if (!Bit(b)) return false;
            code |= b ^ 1;
            if (code - first < h.count[l]) {
                sym = h.symbol[static_cast<std::size_t>(index + code - first)];
                return true;
            }
            index += h.count[l];
            first = (first + h.count[l]) << 1;
            code <<= 1;
        }
        return false;
    }

    ReferenceResult Run() {
        static const int kBase[16] = {3, 2, 4, 5, 6, 7, 8, 9, 10, 12, 16, 24, 40, 72, 136, 264};
        static const int kExtra[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
        ReferenceResult r;
        if (s_.size() <= 4) {
            r.result = 3;
            return r;
        }
        if (s_[1] < 4 || s_[1] > 6) {
            r.result = 1;
            return r;
        }
        if (s_[0] > 1) {
            r.result = 2;
            return r;
        }
        const bool ascii = s_[0] == 1;
        const int dict = s_[1];
        bit_ = 16;
        r.result = 4;
        for (;;) {
            int flag;
            if (!Bit(flag)) return r;
            if (flag == 0) {
                int lit;
                if (ascii ? !Symbol(lit_, lit) : !Bits(8, lit)) return r;
                r.output.push_back(static_cast<std::uint8_t>(lit));
                r.lengths.push_back(1);
                continue;
            }
            int sym, extra, high, low;
            if (!Symbol(len_, sym) || !Bits(kExtra[sym], extra)) return r;
            const int len = kBase[sym] + extra;
            if (len == 519) {
                r.result = 0;
                return r;
            }
            const int low_bits = len == 2 ? 2 : dict;
            if (!Symbol(dist_, high) || !Bits(low_bits, low)) return r;
            const std::size_t dist = static_cast<std::size_t>((high << low_bits | low) + 1);
            if (dist > r.output.size()) return r;
            for (int i = 0; i < len; ++i)
                r.output.push_back(r.output[r.output.size() - dist]);
            r.lengths.push_back(static_cast<unsigned>(len));
        }
    }

    const Bytes& s_;
    std::size_t bit_ = 0;
    Huffman lit_, len_, dist_;
};

} // namespace orvane::pklib::testing
