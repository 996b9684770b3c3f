// Explode: expands an implode stream.
//
// The bit reader keeps up to 64 bits in a register and is refilled eight
// bytes at a time while the input buffer has them; every field checks that
// its bits really arrived, so a cut stream ends with result 4 after the last
// whole token. A distance that reaches before the first byte written is bad
// data too: it would otherwise copy stale bytes of the work area.
#include "transfer/implode/pklib.h"
#include "transfer/implode/tables.h"
#include "transfer/implode/work_area.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace orvane::pklib {
namespace {

using namespace detail;

constexpr unsigned kInSize = 2048;     // Explode reads 2048 bytes at a time
constexpr unsigned kWindow = 8192;     // output window
constexpr unsigned kWriteBlock = 4096; // written when the window is full
constexpr unsigned kSlack = 16;        // room for the 8-byte copies of a match

struct ExplodeArea {
    std::uint8_t in[kInSize + 8];
    std::uint8_t window[kWindow + kSlack];
};
static_assert(sizeof(ExplodeArea) + alignof(ExplodeArea) - 1 <= kExplodeWorkSize);

class Exploder {
public:
    Exploder(ReadFunction read, WriteFunction write, void* param, ExplodeArea& area)
        : read_(read), write_(write), param_(param), in_(area.in), window_(area.window) {}

    unsigned Run() {
        unsigned got = Read();
        if (got <= 4) return kBadData;
        in_len_ = got;
        if (in_[1] < 4 || in_[1] > 6) return kInvalidDictSize;
        if (in_[0] > 1) return kInvalidMode;
        const bool ascii = in_[0] == 1;
        const unsigned dict_bits = in_[1];
        in_pos_ = 2;
        const unsigned result = ascii ? Decode<true>(dict_bits) : Decode<false>(dict_bits);
        Write(window_, pos_);
        return result;
    }

private:
    unsigned Read() {
        unsigned size = kInSize;
        unsigned got = read_(reinterpret_cast<char*>(in_), &size, param_);
        return got > kInSize ? kInSize : got; // never trust more than was asked
    }

    void Write(std::uint8_t* data, unsigned size) {
        if (size != 0) write_(reinterpret_cast<char*>(data), &size, param_);
    }

    // Brings the bit buffer to at least 57 bits, or to what is left of the input.
    void Refill() {
        if (in_len_ - in_pos_ >= 8) {
            std::uint64_t v;
            std::memcpy(&v, in_ + in_pos_, 8);
            if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap64(v);
            bits_ |= v << count_;
            in_pos_ += (63 - count_) >> 3;
            count_ |= 56;
            return;
        }
        while (count_ <= 56) {
            if (in_pos_ == in_len_) {
                if (ended_) return;
                in_len_ = Read();
                in_pos_ = 0;
                if (in_len_ == 0) {
                    ended_ = true;
                    return;
                }
            }
            bits_ |= std::uint64_t{in_[in_pos_++]} << count_;
            count_ += 8;
        }
    }

    // Drops n bits; false when they were not there (the input ended).
    bool Drop(unsigned n) {
        if (n > count_) return false;
        bits_ >>= n;
        count_ -= n;
        return true;
    }

    void FlushWindow() {
        Write(window_, kWriteBlock);
        std::memmove(window_, window_ + kWriteBlock, kWindow - kWriteBlock);
        pos_ -= kWriteBlock;
    }

    template <bool Ascii> unsigned Decode(unsigned dict_bits) {
        for (;;) {
            if (count_ < 32) Refill();
            if (count_ == 0) return kAborted;
            if ((bits_ & 1) == 0) {
                unsigned literal, length;
                if constexpr (Ascii) {
                    unsigned e = kLiteralDecode[(bits_ >> 1) & ((1u << kLiteralFirstBits) - 1)];
                    if (e & 0x8000)
                        e = kLiteralDecode[(e & 0x7fff) +
                                           ((bits_ >> (1 + kLiteralFirstBits)) &
                                            ((1u << (kLiteralMaxBits - kLiteralFirstBits)) - 1))];
                    literal = e & 0xff;
                    length = 1 + (e >> 8);
                } else {
                    literal = (bits_ >> 1) & 0xff;
                    length = 9;
                }
                if (!Drop(length)) return kAborted;
                window_[pos_++] = static_cast<std::uint8_t>(literal);
                if (pos_ == kWindow) FlushWindow();
                continue;
            }
            // A match: length code and extra bits, then the distance.
            const unsigned le = kLengthDecode[(bits_ >> 1) & ((1u << kLengthMaxBits) - 1)];
            const unsigned sym = le & 0xff;
            if (!Drop(1 + (le >> 8))) return kAborted;
            const unsigned extra = kLengthExtra[sym];
            const unsigned len = kLengthBase[sym] + (bits_ & ((1u << extra) - 1));
            if (!Drop(extra)) return kAborted;
            if (len == kEndLength) return kOk;
            const unsigned de = kDistanceDecode[bits_ & ((1u << kDistanceMaxBits) - 1)];
            if (!Drop(de >> 8)) return kAborted;
            const unsigned low_bits = len == 2 ? 2 : dict_bits;
            const unsigned dist = ((de & 0xff) << low_bits | (bits_ & ((1u << low_bits) - 1))) + 1;
            if (!Drop(low_bits)) return kAborted;
            if (dist > pos_) return kAborted; // before the start of the output
            Copy(dist, len);
        }
    }

    void Copy(unsigned dist, unsigned len) {
        while (len != 0) {
            const unsigned room = kWindow - pos_;
            const unsigned n = len < room ? len : room;
            std::uint8_t* dst = window_ + pos_;
            const std::uint8_t* src = dst - dist;
            if (dist >= 8) {
                // Whole words: each one reads only bytes that are already final;
                // the last may spill up to 7 bytes into the slack.
                for (unsigned i = 0; i < n; i += 8)
                    std::memcpy(dst + i, src + i, 8);
            } else if (dist == 1) {
                std::memset(dst, *src, n);
            } else {
                for (unsigned i = 0; i < n; ++i)
                    dst[i] = src[i];
            }
            pos_ += n;
            len -= n;
            if (pos_ == kWindow) FlushWindow();
        }
    }

    ReadFunction read_;
    WriteFunction write_;
    void* param_;
    std::uint8_t* in_;
    std::uint8_t* window_;
    std::uint64_t bits_ = 0;
    unsigned count_ = 0;
    unsigned in_pos_ = 0;
    unsigned in_len_ = 0;
    bool ended_ = false;
    unsigned pos_ = 0;
};

} // namespace

unsigned int Explode(ReadFunction read_buf, WriteFunction write_buf, char* work, void* param) {
    auto& area = detail::PlaceIn<ExplodeArea>(work);
    return Exploder(read_buf, write_buf, param, area).Run();
}

const char* ResultText(unsigned int result) {
    switch (result) {
    case kOk: return "success";
    case kInvalidDictSize: return "invalid dictionary size";
    case kInvalidMode: return "invalid literal coding";
    case kBadData: return "bad data: the compressed input is 4 bytes or shorter";
    case kAborted: return "aborted: the compressed data is cut short or invalid";
    default: return "unknown result";
    }
}

} // namespace orvane::pklib
