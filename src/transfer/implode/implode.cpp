// Implode: compresses into the implode format.
//
// The format's documentation describes the published compressor's algorithm, and this one
// follows it closely enough to give the same bytes. The details that the format's description
// leaves open were settled by comparing streams with an independent
// implementation of the published compressor (see tests/transfer/implode):
//
// - A match reaches at most dictionary size - 1 bytes back, and never 1 byte
//   back: a run of one byte value is coded as a literal and matches 2 back.
// - Each block of 4096 bytes is coded up to 516 bytes before its end; those
//   516 bytes stay in the buffer as lookahead for matches and are coded with
//   the next block. The lazy evaluation is not done at the last position of
//   a block. With a 4096-byte dictionary the second block does not index the
//   first bytes of the input that the first block's last match ran over.
// - Match lengths are counted up to 516 without regard to the end of the
//   input; at the end of the last block the bytes past the input are what the
//   buffer holds there (zeros at the start, stale input later, and past the
//   buffer the start of the position table). The match is then cut to the
//   bytes that remain (Implode step 7), and a cut match skips the lazy
//   evaluation.
#include "transfer/implode/pklib.h"
#include "transfer/implode/tables.h"
#include "transfer/implode/work_area.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace orvane::pklib {
namespace {

using namespace detail;

constexpr unsigned kBlock = 4096;    // Implode reads 4096 bytes at a time
constexpr unsigned kMaxMatch = 516;  // the longest match it looks for
constexpr unsigned kOutBlock = 2048; // and writes 2048 bytes at a time
constexpr unsigned kBuckets = 2304;  // 4 * 255 + 5 * 255 < 2304
constexpr unsigned kMaxDict = 4096;
constexpr unsigned kLazyMax = 7;
// The buffer: [dictionary][lookahead of kMaxMatch][new block].
constexpr unsigned kBufSize = kMaxDict + kMaxMatch + kBlock;
constexpr unsigned kSortedSize = kBufSize + 1;

struct ImplodeArea {
    // The byte buffer and, right behind it, the positions grouped by hash
    // (16-bit little-endian entries, ascending within each hash). Matches
    // counted past the end of the input read on into the table.
    std::uint8_t mem[kBufSize + 2 * kSortedSize + 16];
    std::uint16_t bucket[kBuckets]; // first entry of each hash still inside the window
    std::uint8_t out[kOutBlock + 16];
};
static_assert(sizeof(ImplodeArea) + alignof(ImplodeArea) - 1 <= kImplodeWorkSize);

struct Match {
    unsigned length;
    unsigned dist;
};

class Imploder {
public:
    Imploder(ReadFunction read, WriteFunction write, void* param, ImplodeArea& area, bool ascii,
             unsigned dsize)
        : read_(read), write_(write), param_(param), a_(area), buf_(area.mem),
          sorted_(area.mem + kBufSize), literals_(&kLiteralTokens[ascii ? 256 : 0]), dsize_(dsize),
          dict_bits_(dsize == 1024   ? 4
                     : dsize == 2048 ? 5
                                     : 6) {
        a_.out[0] = ascii ? 1 : 0;
        a_.out[1] = static_cast<std::uint8_t>(dict_bits_);
        out_pos_ = 2;
    }

    void Run() {
        // What lies past the input is compared as if it were input (see the
        // top of the file); start from zeros so that the output depends on the
        // input alone.
        std::memset(a_.mem, 0, sizeof a_.mem);
        unsigned start = dsize_ + kMaxMatch; // first byte of input in the buffer
        unsigned cur = start;                // next position to code
        unsigned end = start;                // end of the input in the buffer
        for (unsigned block = 1;; ++block) {
            bool final = false;
            unsigned loaded = 0;
            while (loaded < kBlock) {
                unsigned size = kBlock - loaded;
                const unsigned got =
                    read_(reinterpret_cast<char*>(buf_ + end + loaded), &size, param_);
                if (got == 0) {
                    final = true;
                    break;
                }
                loaded += got < kBlock - loaded ? got : kBlock - loaded;
            }
            end += loaded;
            end_ = end;
            const unsigned limit = final ? end : end - kMaxMatch;
            unsigned lo = cur - dsize_;
            if (block == 1)
                lo = start;
            else if (block == 2 && dsize_ == kMaxDict)
                lo += kMaxMatch;
            Index(lo, final ? end : limit + 1);
            cur = Encode(cur, limit, final);
            if (final) break;
            // Keep the dictionary and the lookahead for the next block.
            std::memmove(buf_, buf_ + kBlock, end - kBlock);
            cur -= kBlock;
            end -= kBlock;
            start = start > kBlock ? start - kBlock : 0;
        }
        Put(kMatchTokens[kEndLength].bits, kMatchTokens[kEndLength].length);
        Finish();
    }

private:
    unsigned Hash(unsigned p) const { return 4u * buf_[p] + 5u * buf_[p + 1]; }

    unsigned Sorted(unsigned i) const { return Load16(sorted_ + 2 * i); }
    void SetSorted(unsigned i, unsigned v) {
        auto le = static_cast<std::uint16_t>(v);
        if constexpr (std::endian::native == std::endian::big)
            le = static_cast<std::uint16_t>(le >> 8 | le << 8);
        std::memcpy(sorted_ + 2 * i, &le, 2);
    }
    static unsigned Load16(const std::uint8_t* at) {
        std::uint16_t v;
        std::memcpy(&v, at, 2);
        if constexpr (std::endian::native == std::endian::big)
            v = static_cast<std::uint16_t>(v >> 8 | v << 8);
        return v;
    }
    static std::uint16_t Raw16(const std::uint8_t* at) {
        std::uint16_t v;
        std::memcpy(&v, at, 2);
        return v;
    }

    // Sorts the positions [lo, hi) into their hash buckets (Implode step 3).
    void Index(unsigned lo, unsigned hi) {
        std::uint16_t* count = a_.bucket;
        std::memset(count, 0, sizeof a_.bucket);
        for (unsigned p = lo; p < hi; ++p)
            ++count[Hash(p)];
        unsigned total = 0;
        for (unsigned h = 0; h < kBuckets; ++h) {
            total += count[h];
            count[h] = static_cast<std::uint16_t>(total);
        }
        for (unsigned p = hi; p-- > lo;)
            SetSorted(--count[Hash(p)], p);
    }

    static std::uint64_t Load64(const std::uint8_t* at) {
        std::uint64_t v;
        std::memcpy(&v, at, 8);
        return v;
    }
    // The number of equal bytes at the start of two words as loaded.
    static unsigned EqualBytes(std::uint64_t x) {
        if constexpr (std::endian::native == std::endian::little)
            return static_cast<unsigned>(std::countr_zero(x)) / 8;
        else
            return static_cast<unsigned>(std::countl_zero(x)) / 8;
    }

    // How many bytes at q equal those at p, up to kMaxMatch, given that the
    // first n already do.
    unsigned MatchLength(unsigned q, unsigned p, unsigned n) const {
        const std::uint8_t* a = buf_ + q;
        const std::uint8_t* b = buf_ + p;
        for (; n + 8 <= kMaxMatch; n += 8)
            if (const std::uint64_t x = Load64(a + n) ^ Load64(b + n)) return n + EqualBytes(x);
        while (n < kMaxMatch && a[n] == b[n])
            ++n;
        return n;
    }

    // The longest match for position p (Implode step 4): candidates of the
    // same hash from the oldest inside the window on; a later one of equal
    // length wins, and 516 ends the search at once.
    Match Find(unsigned p) {
        const unsigned h = Hash(p);
        unsigned i = a_.bucket[h];
        const unsigned min_q = p - dsize_ + 1;
        while (Sorted(i) < min_q)
            ++i;
        a_.bucket[h] = static_cast<std::uint16_t>(i);
        Match best{0, 0};
        const std::uint64_t head = Load64(buf_ + p);
        // p itself is in its bucket, so the scan ends there at the latest.
        for (unsigned q; (q = Sorted(i)) < p - 1; ++i) {
            // Most candidates differ within their first 8 bytes: one word
            // tells how far they match. A longer one can only reach the best
            // length if it has the best's last two bytes.
            unsigned n;
            if (const std::uint64_t x = Load64(buf_ + q) ^ head) {
                n = EqualBytes(x);
                if (n < best.length || n < 2) continue;
            } else {
                if (best.length > 8 &&
                    Raw16(buf_ + q + best.length - 2) != Raw16(buf_ + p + best.length - 2))
                    continue;
                n = MatchLength(q, p, 8);
                if (n < best.length) continue;
            }
            best = {n, p - q};
            if (n == kMaxMatch) break;
        }
        return best;
    }

    static bool Usable(Match m) { return m.length >= 3 || (m.length == 2 && m.dist <= 256); }

    // Codes the positions from cur up to limit (Implode steps 4 to 7);
    // returns where the next block goes on, as a match may run past limit.
    unsigned Encode(unsigned cur, unsigned limit, bool final) {
        while (cur < limit) {
            Match m = Find(cur);
            for (;;) {
                bool cut = false;
                if (final && cur + m.length > end_) {
                    m.length = end_ - cur;
                    cut = true;
                }
                if (!Usable(m)) {
                    Literal(buf_[cur++]);
                    break;
                }
                if (m.length <= kLazyMax && !cut && cur + 1 < limit) {
                    const Match next = Find(cur + 1);
                    if (next.length > m.length &&
                        (next.length > m.length + 1 || m.dist - 1 > 128)) {
                        Literal(buf_[cur++]);
                        if (cur >= limit) return cur; // the next block finds the same match again
                        m = next;
                        continue;
                    }
                }
                PutMatch(m);
                cur += m.length;
                break;
            }
        }
        return cur;
    }

    void Literal(std::uint8_t byte) { Put(literals_[byte].bits, literals_[byte].length); }

    void PutMatch(Match m) {
        Put(kMatchTokens[m.length].bits, kMatchTokens[m.length].length);
        const unsigned d = m.dist - 1;
        const unsigned low = m.length == 2 ? 2 : dict_bits_;
        const detail::Code c = kDistanceCodes[d >> low];
        Put(c.bits | (d & ((1u << low) - 1)) << c.length, c.length + low);
    }

    void Put(std::uint32_t bits, unsigned n) {
        acc_ |= std::uint64_t{bits} << count_;
        count_ += n;
        if (count_ >= 32) {
            for (int k = 0; k < 4; ++k)
                a_.out[out_pos_ + k] = static_cast<std::uint8_t>(acc_ >> (8 * k));
            out_pos_ += 4;
            acc_ >>= 32;
            count_ -= 32;
            if (out_pos_ >= kOutBlock) FlushOut();
        }
    }

    void FlushOut() {
        Write(a_.out, kOutBlock);
        std::memmove(a_.out, a_.out + kOutBlock, out_pos_ - kOutBlock);
        out_pos_ -= kOutBlock;
    }

    // Implode step 8: the last partly filled byte goes out too.
    void Finish() {
        while (count_ > 0) {
            a_.out[out_pos_++] = static_cast<std::uint8_t>(acc_);
            acc_ >>= 8;
            count_ = count_ > 8 ? count_ - 8 : 0;
        }
        if (out_pos_ >= kOutBlock) FlushOut();
        Write(a_.out, out_pos_);
    }

    void Write(std::uint8_t* data, unsigned size) {
        if (size != 0) write_(reinterpret_cast<char*>(data), &size, param_);
    }

    ReadFunction read_;
    WriteFunction write_;
    void* param_;
    ImplodeArea& a_;
    std::uint8_t* buf_;
    std::uint8_t* sorted_;
    const Token* literals_;
    unsigned dsize_;
    unsigned dict_bits_;
    unsigned end_ = 0;
    std::uint64_t acc_ = 0;
    unsigned count_ = 0;
    unsigned out_pos_ = 0;
};

} // namespace

unsigned int Implode(ReadFunction read_buf, WriteFunction write_buf, char* work, void* param,
                     unsigned int* type, unsigned int* dsize) {
    if (*dsize != 1024 && *dsize != 2048 && *dsize != 4096) return kInvalidDictSize;
    if (*type != kBinary && *type != kAscii) return kInvalidMode;
    auto& area = detail::PlaceIn<ImplodeArea>(work);
    Imploder(read_buf, write_buf, param, area, *type == kAscii, *dsize).Run();
    return kOk;
}

} // namespace orvane::pklib
