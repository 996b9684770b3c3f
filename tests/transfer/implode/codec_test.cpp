// The codec on its own: result codes and their order, the edge
// cases of the format's description, round trips over the corpus, the read and write pattern,
// damaged streams and the work areas.
#include "transfer/implode/bit_edit.h"
#include "transfer/implode/codec_io.h"
#include "transfer/implode/corpus.h"
#include "transfer/implode/reference_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <thread>

namespace orvane::pklib::testing {
namespace {

TEST(ImplodeResult, ChecksTheDictionarySizeBeforeTheLiteralCoding) {
    const Bytes in = MakeText(100, 1);
    for (unsigned dsize : {0u, 512u, 1000u, 4095u, 8192u}) {
        for (unsigned type : {kBinary, kAscii, 2u, 7u}) {
            MemoryIo io;
            unsigned result = 99;
            ImplodeBytes(in, type, dsize, &result, &io);
            EXPECT_EQ(result, kInvalidDictSize) << dsize << " " << type;
            EXPECT_TRUE(io.reads_asked.empty());
            EXPECT_TRUE(io.output.empty());
        }
    }
    for (unsigned type : {2u, 3u, 255u}) {
        MemoryIo io;
        unsigned result = 99;
        ImplodeBytes(in, type, 4096, &result, &io);
        EXPECT_EQ(result, kInvalidMode);
        EXPECT_TRUE(io.output.empty());
    }
}

TEST(ImplodeResult, EmptyInputGivesTheHeaderAndTheEndCodeOnly) {
    for (Params p : kAllParams) {
        unsigned result = 99;
        const Bytes out = ImplodeBytes({}, p.type, p.dsize, &result);
        EXPECT_EQ(result, kOk);
        ASSERT_EQ(out.size(), 4u) << Describe("empty", p);
        EXPECT_EQ(out[0], p.type);
        EXPECT_EQ(out[1], p.dsize == 1024 ? 4 : p.dsize == 2048 ? 5 : 6);
        // The end code is 16 bits: the flag 1, the 7-bit code of the longest
        // lengths (all ones, sent inverted) and 255 in its 8 extra bits.
        EXPECT_EQ(out[2], 0x01);
        EXPECT_EQ(out[3], 0xff);
        // Expanding it gives 3: it is 4 bytes or shorter.
        unsigned expanded = 99;
        EXPECT_TRUE(ExplodeBytes(out, &expanded).empty());
        EXPECT_EQ(expanded, kBadData);
    }
}

TEST(ExplodeResult, HeaderAndLengthChecksInTheirOrder) {
    const Bytes tail{0x00, 0x00, 0x00, 0x00};
    auto run = [&](std::uint8_t lit, std::uint8_t dict) {
        Bytes s{lit, dict};
        s.insert(s.end(), tail.begin(), tail.end());
        unsigned result = 99;
        const Bytes out = ExplodeBytes(s, &result);
        EXPECT_TRUE(out.empty());
        return result;
    };
    EXPECT_EQ(run(0, 7), kInvalidDictSize);
    EXPECT_EQ(run(1, 3), kInvalidDictSize);
    EXPECT_EQ(run(2, 7), kInvalidDictSize); // wrong in both places: byte 1 first
    EXPECT_EQ(run(2, 6), kInvalidMode);
    EXPECT_EQ(run(255, 4), kInvalidMode);
    for (std::size_t n = 0; n <= 4; ++n) {
        unsigned result = 99;
        EXPECT_TRUE(ExplodeBytes(Bytes(n, 0x06), &result).empty());
        EXPECT_EQ(result, kBadData) << n;
    }
    // Only the first read counts: a first read of 4 bytes is bad data even
    // when more would follow.
    const Bytes stream = ImplodeBytes(MakeText(1000, 2), kAscii, 4096);
    MemoryIo io;
    io.chunk = [](unsigned) { return 4u; };
    unsigned result = 99;
    ExplodeBytes(stream, &result, &io);
    EXPECT_EQ(result, kBadData);
    EXPECT_EQ(io.reads_asked.size(), 1u);
}

TEST(ExplodeStream, DecodesThePublishedExample) {
    // The example stream that comes with the format's description.
    const Bytes stream{0x00, 0x04, 0x82, 0x24, 0x25, 0x8f, 0x80, 0x7f};
    unsigned result = 99;
    const Bytes out = ExplodeBytes(stream, &result);
    EXPECT_EQ(result, kOk);
    EXPECT_EQ(std::string(out.begin(), out.end()), "AIAIAIAIAIAIA");
}

TEST(ImplodeRoundTrip, EveryCorpusItemInEveryCodingAndDictionary) {
    for (const CorpusItem& item : Corpus()) {
        for (Params p : kAllParams) {
            unsigned result = 99;
            const Bytes packed = ImplodeBytes(item.data, p.type, p.dsize, &result);
            ASSERT_EQ(result, kOk);
            if (item.data.empty()) continue; // 4 bytes: bad data by the format's rule, tested above
            const Bytes out = ExplodeBytes(packed, &result);
            EXPECT_EQ(result, kOk) << Describe(item.name, p);
            EXPECT_TRUE(out == item.data) << Describe(item.name, p);
            // The independent slow decoder agrees, token by token.
            if (item.data.size() <= 250000) {
                const ReferenceResult ref = ReferenceDecoder::Decode(packed);
                EXPECT_EQ(ref.result, kOk) << Describe(item.name, p);
                EXPECT_TRUE(ref.output == item.data) << Describe(item.name, p);
            }
        }
    }
}

TEST(ImplodeRoundTrip, CompressesWhatRepeats) {
    const Bytes text = MakeText(100000, 9);
    const Bytes packed = ImplodeBytes(text, kAscii, 4096);
    EXPECT_LT(packed.size(), text.size() / 3);
    const Bytes random = MakeRandom(100000, 9);
    // Random bytes cost 9 bits each in binary coding, a little more in ASCII.
    EXPECT_LT(ImplodeBytes(random, kBinary, 4096).size(), random.size() * 9 / 8 + 100);
}

TEST(ImplodeStream, LongRunsBecomeMatchesOfAtMost516Bytes) {
    for (std::size_t n : {517u, 1000u, 4097u, 10000u, 70000u}) {
        const Bytes run(n, 0x20);
        const Bytes packed = ImplodeBytes(run, kBinary, 4096);
        const ReferenceResult ref = ReferenceDecoder::Decode(packed);
        ASSERT_EQ(ref.result, kOk);
        ASSERT_TRUE(ref.output == run);
        const unsigned longest = *std::max_element(ref.lengths.begin(), ref.lengths.end());
        EXPECT_EQ(longest, n >= 518 ? 516u : n - 2) << n;
        // Two literals (a byte never matches one back), then 516-byte matches
        // and what is left over.
        EXPECT_LE(ref.lengths.size(), 2 + (n - 2) / 516 + 2) << n;
    }
}

TEST(ImplodeStream, ReadsBlocksOf4096AndWritesBlocksOf2048) {
    const Bytes in = MakeRandom(20000, 4);
    MemoryIo io;
    ImplodeBytes(in, kBinary, 4096, nullptr, &io);
    // Four full blocks, a fifth that comes short (3616 bytes), the request
    // for the rest of it, which gets 0: the end of the input.
    EXPECT_EQ(io.reads_asked, (std::vector<unsigned>{4096, 4096, 4096, 4096, 4096, 480}));
    ASSERT_GE(io.writes.size(), 2u);
    for (std::size_t i = 0; i + 1 < io.writes.size(); ++i)
        EXPECT_EQ(io.writes[i], 2048u);
    EXPECT_GT(io.writes.back(), 0u);
    EXPECT_LE(io.writes.back(), 2048u);

    // A short read is followed by a request for the rest of the block.
    MemoryIo shorter;
    shorter.chunk = [](unsigned asked) { return asked > 1000 ? 1000u : asked; };
    const Bytes again = ImplodeBytes(in, kBinary, 4096, nullptr, &shorter);
    EXPECT_EQ(shorter.reads_asked[0], 4096u);
    EXPECT_EQ(shorter.reads_asked[1], 3096u);
    EXPECT_EQ(shorter.reads_asked[4], 96u);
    EXPECT_EQ(shorter.reads_asked[5], 4096u);
    EXPECT_TRUE(again == io.output);
}

TEST(ExplodeStream, ReadsBlocksOf2048AndWritesBlocksOf4096) {
    const Bytes in = MakeText(50000, 4);
    const Bytes packed = ImplodeBytes(in, kAscii, 4096);
    MemoryIo io;
    unsigned result = 99;
    ExplodeBytes(packed, &result, &io);
    ASSERT_EQ(result, kOk);
    for (unsigned asked : io.reads_asked)
        EXPECT_EQ(asked, 2048u);
    // The window is written when it holds 8192 bytes, its first half at a
    // time; the rest (4096 to 8191 bytes here) goes out at the end.
    ASSERT_EQ(io.writes.size(), 12u);
    for (std::size_t i = 0; i + 1 < io.writes.size(); ++i)
        EXPECT_EQ(io.writes[i], 4096u);
    EXPECT_EQ(io.writes.back(), 50000u - 11 * 4096);
}

TEST(ImplodeShortReads, GiveTheSameStreamsAndTheSameExpansion) {
    std::mt19937 rng(11);
    for (const char* name : {"text", "executable", "records 8193", "zero tail 4000"}) {
        const auto it = std::find_if(Corpus().begin(), Corpus().end(),
                                     [&](const CorpusItem& c) { return c.name == name; });
        if (it == Corpus().end()) continue;
        for (Params p : kAllParams) {
            const Bytes whole = ImplodeBytes(it->data, p.type, p.dsize);
            MemoryIo io;
            io.chunk = [&](unsigned asked) { return 1 + rng() % asked; };
            EXPECT_TRUE(ImplodeBytes(it->data, p.type, p.dsize, nullptr, &io) == whole)
                << Describe(name, p);
            MemoryIo back;
            back.chunk = [&](unsigned asked) { return 5 + rng() % asked; };
            unsigned result = 99;
            EXPECT_TRUE(ExplodeBytes(whole, &result, &back) == it->data) << Describe(name, p);
            EXPECT_EQ(result, kOk);
        }
    }
}

TEST(ExplodeStream, ACutStreamGivesEverythingDecodedThenAborts) {
    const Bytes in = MakeSource(30000, 8);
    for (Params p : kAllParams) {
        const Bytes packed = ImplodeBytes(in, p.type, p.dsize);
        for (std::size_t cut = 5; cut < packed.size(); cut += 1 + cut / 7) {
            const Bytes part(packed.begin(), packed.begin() + static_cast<long>(cut));
            unsigned result = 99;
            const Bytes out = ExplodeBytes(part, &result);
            EXPECT_EQ(result, kAborted) << cut;
            const ReferenceResult ref = ReferenceDecoder::Decode(part);
            EXPECT_TRUE(out == ref.output) << Describe("cut", p) << " at " << cut;
            EXPECT_TRUE(std::equal(out.begin(), out.end(), in.begin())) << cut;
        }
        // Losing only the end code still gives every byte.
        const Bytes no_end(packed.begin(), packed.end() - 2);
        unsigned result = 99;
        const Bytes out = ExplodeBytes(no_end, &result);
        EXPECT_EQ(result, kAborted);
        EXPECT_GE(out.size() + 600, in.size());
    }
}

TEST(ExplodeStream, ADistanceBeforeTheStartIsAnError) {
    // "xxxx" codes as 'x' 'x' (2 bytes from 2 back); without the first
    // literal the match reaches one byte before the start.
    const Bytes packed = ImplodeBytes({'x', 'x', 'x', 'x'}, kBinary, 1024);
    ASSERT_EQ(ReferenceDecoder::Decode(packed).lengths, (std::vector<unsigned>{1, 1, 2}));
    std::vector<bool> bits = StreamBits(packed);
    bits.erase(bits.begin(), bits.begin() + 9); // one binary literal: flag and 8 bits
    const Bytes damaged = PackStream(packed[0], packed[1], bits);
    unsigned result = 99;
    const Bytes out = ExplodeBytes(damaged, &result);
    EXPECT_EQ(result, kAborted);
    EXPECT_EQ(out, (Bytes{'x'}));

    // The farthest distance a stream can code still works.
    Bytes in = MakeRandom(4095, 6);
    in.insert(in.end(), in.begin(), in.begin() + 20);
    const Bytes far = ImplodeBytes(in, kBinary, 4096);
    const ReferenceResult ref = ReferenceDecoder::Decode(far);
    ASSERT_EQ(ref.result, kOk);
    ASSERT_TRUE(ref.output == in);
}

TEST(ImplodeWorkArea, StaysInsideItsSizeAndNeedsNoAlignment) {
    const Bytes in = MakeText(30000, 12);
    const Bytes expected = ImplodeBytes(in, kAscii, 4096);
    for (std::size_t offset : {1u, 3u, 7u}) {
        std::vector<char> implode_area(kImplodeWorkSize + 64, '\x5a');
        MemoryIo io;
        io.input = &in;
        unsigned type = kAscii, dsize = 4096;
        ASSERT_EQ(Implode(MemoryIo::Read, MemoryIo::Write, implode_area.data() + offset, &io, &type,
                          &dsize),
                  kOk);
        EXPECT_TRUE(io.output == expected);
        for (std::size_t i = 0; i < offset; ++i)
            EXPECT_EQ(implode_area[i], '\x5a');
        for (std::size_t i = offset + kImplodeWorkSize; i < implode_area.size(); ++i)
            EXPECT_EQ(implode_area[i], '\x5a');

        std::vector<char> explode_area(kExplodeWorkSize + 64, '\x5a');
        MemoryIo back;
        back.input = &expected;
        ASSERT_EQ(Explode(MemoryIo::Read, MemoryIo::Write, explode_area.data() + offset, &back),
                  kOk);
        EXPECT_TRUE(back.output == in);
        for (std::size_t i = 0; i < offset; ++i)
            EXPECT_EQ(explode_area[i], '\x5a');
        for (std::size_t i = offset + kExplodeWorkSize; i < explode_area.size(); ++i)
            EXPECT_EQ(explode_area[i], '\x5a');
    }
}

TEST(ImplodeWorkArea, ItsOldContentDoesNotChangeTheStream) {
    const Bytes in = Concat({MakeRecords(3900, 1), Bytes(100, 0)});
    Bytes first;
    for (char fill : {'\0', '\xff', '\x33'}) {
        std::vector<char> area(kImplodeWorkSize, fill);
        MemoryIo io;
        io.input = &in;
        unsigned type = kBinary, dsize = 4096;
        Implode(MemoryIo::Read, MemoryIo::Write, area.data(), &io, &type, &dsize);
        if (first.empty()) first = io.output;
        EXPECT_TRUE(io.output == first);
    }
}

TEST(ImplodeConcurrency, CallsOnSeveralThreadsDoNotMeet) {
    std::vector<Bytes> inputs, expected(4), got(4);
    for (std::uint32_t i = 0; i < 4; ++i) {
        inputs.push_back(Concat({MakeText(40000, i), MakeRecords(30000, i)}));
        expected[i] = ImplodeBytes(inputs[i], i % 2 ? kAscii : kBinary, 1024u << (i % 3));
    }
    std::vector<std::thread> threads;
    std::vector<int> ok(4, 0);
    for (std::uint32_t i = 0; i < 4; ++i)
        threads.emplace_back([&, i] {
            for (int round = 0; round < 3; ++round) {
                got[i] = ImplodeBytes(inputs[i], i % 2 ? kAscii : kBinary, 1024u << (i % 3));
                unsigned result = 99;
                ok[i] += got[i] == expected[i] && ExplodeBytes(got[i], &result) == inputs[i] &&
                         result == kOk;
            }
        });
    for (auto& t : threads)
        t.join();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ok[static_cast<std::size_t>(i)], 3) << i;
}

TEST(PklibResultText, NamesEveryCode) {
    for (unsigned r = 0; r <= 4; ++r)
        EXPECT_STRNE(ResultText(r), ResultText(99));
}

} // namespace
} // namespace orvane::pklib::testing
