// Interoperability with independent implementations of the format, from
// Debian's packages (installed by scripts/bootstrap):
// - StormLib (libstorm-dev): its explode expands every stream of ours, our
//   Explode expands every stream of its implode, and since our Implode
//   follows the published compressor's algorithm, our streams are
//   byte-identical to its streams for the same input and parameters.
// - dynamite: a decoder of binary literal coding; it expands our streams.
// A test skips only when its oracle is really absent from the machine.
#include "transfer/implode/codec_io.h"
#include "transfer/implode/corpus.h"
#include "transfer/implode/storm_oracle.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace orvane::pklib::testing {
namespace {

TEST(ImplodeStormLib, ExpandsEveryStreamOfOurs) {
    if (!kHaveStorm) GTEST_SKIP() << "StormLib (libstorm-dev) is not installed";
    for (const CorpusItem& item : Corpus()) {
        for (Params p : kAllParams) {
            const Bytes packed = ImplodeBytes(item.data, p.type, p.dsize);
            const auto storm = StormExplode(packed);
            if (item.data.empty()) continue; // 4 bytes: both decoders refuse it as too short
            EXPECT_EQ(storm->result, 0u) << Describe(item.name, p);
            EXPECT_TRUE(storm->output == item.data) << Describe(item.name, p);
        }
    }
}

TEST(ImplodeStormLib, OurExplodeExpandsEveryStreamOfItsImplode) {
    if (!kHaveStorm) GTEST_SKIP() << "StormLib (libstorm-dev) is not installed";
    for (const CorpusItem& item : Corpus()) {
        for (Params p : kAllParams) {
            const auto storm = StormImplode(item.data, p.type, p.dsize);
            ASSERT_EQ(storm->result, 0u);
            unsigned result = 99;
            const Bytes out = ExplodeBytes(storm->output, &result);
            EXPECT_EQ(result, item.data.empty() ? kBadData : kOk) << Describe(item.name, p);
            EXPECT_TRUE(out == item.data) << Describe(item.name, p);
        }
    }
}

TEST(ImplodeStormLib, SameParametersGiveTheSameBytes) {
    if (!kHaveStorm) GTEST_SKIP() << "StormLib (libstorm-dev) is not installed";
    int identical = 0, total = 0;
    std::size_t ours_bytes = 0, storm_bytes = 0;
    for (const CorpusItem& item : Corpus()) {
        for (Params p : kAllParams) {
            const Bytes ours = ImplodeBytes(item.data, p.type, p.dsize);
            const auto storm = StormImplode(item.data, p.type, p.dsize);
            ++total;
            ours_bytes += ours.size();
            storm_bytes += storm->output.size();
            if (ours == storm->output) {
                ++identical;
                continue;
            }
            std::size_t at = 0;
            while (at < ours.size() && at < storm->output.size() && ours[at] == storm->output[at])
                ++at;
            ADD_FAILURE() << Describe(item.name, p) << ": " << ours.size() << " bytes against "
                          << storm->output.size() << ", first difference at byte " << at;
        }
    }
    std::printf("byte-identical with StormLib: %d of %d streams (%.1f %%), %zu against %zu bytes\n",
                identical, total, 100.0 * identical / total, ours_bytes, storm_bytes);
    RecordProperty("identical", identical);
    RecordProperty("streams", total);
}

// dynamite <input_file> <output_file>, run on temporary files.
class ImplodeDynamite : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = ORVANE_DYNAMITE;
        if (program_.empty() || access(program_.c_str(), X_OK) != 0)
            GTEST_SKIP() << "dynamite is not installed";
        dir_ = std::filesystem::temp_directory_path() /
               ("orvane-dynamite-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        if (!dir_.empty()) std::filesystem::remove_all(dir_);
    }

    bool Expand(const Bytes& packed, Bytes& out) {
        const auto in_path = dir_ / "in.imp";
        const auto out_path = dir_ / "out.bin";
        {
            std::ofstream f(in_path, std::ios::binary);
            f.write(reinterpret_cast<const char*>(packed.data()),
                    static_cast<std::streamsize>(packed.size()));
        }
        std::filesystem::remove(out_path);
        const std::string command = "'" + program_ + "' '" + in_path.string() + "' '" +
                                    out_path.string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) return false;
        out = ReadFileBytes(out_path.string());
        return true;
    }

    std::string program_;
    std::filesystem::path dir_;
};

TEST_F(ImplodeDynamite, ExpandsEveryBinaryCodedStreamOfOurs) {
    for (const CorpusItem& item : Corpus()) {
        if (item.data.empty()) continue;
        for (unsigned dsize : {1024u, 2048u, 4096u}) {
            Bytes out;
            EXPECT_TRUE(Expand(ImplodeBytes(item.data, kBinary, dsize), out))
                << Describe(item.name, {kBinary, dsize});
            EXPECT_TRUE(out == item.data) << Describe(item.name, {kBinary, dsize});
        }
    }
}

} // namespace
} // namespace orvane::pklib::testing
