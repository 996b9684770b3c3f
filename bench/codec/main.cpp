// bench_codec: megabytes per second of Implode and Explode, and compressed
// sizes, for our codec and StormLib's on the same corpus in the same run.
//
//   bench_codec [repetitions]      (default 7; the best time of each counts)
//
// The two implementations take turns on every item, so that a busy machine
// slows both alike; both read from and write to memory through the same
// functions. Sizes are given for all six parameter sets, speeds for the
// console's own (ASCII coding, 4096-byte dictionary) and for binary coding.
#include "transfer/implode/corpus.h"
#include "transfer/implode/pklib.h"
#include "transfer/implode/storm_oracle.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace orvane::pklib;
using orvane::pklib::testing::Bytes;
using Clock = std::chrono::steady_clock;

struct Io {
    const std::uint8_t* in;
    std::size_t size;
    std::size_t pos;
    std::uint8_t* out;
    std::size_t out_pos;
};

unsigned Read(char* buf, unsigned* size, void* param) {
    auto* io = static_cast<Io*>(param);
    const std::size_t n = std::min<std::size_t>(*size, io->size - io->pos);
    if (n != 0) std::memcpy(buf, io->in + io->pos, n);
    io->pos += n;
    return static_cast<unsigned>(n);
}

void Write(char* buf, unsigned* size, void* param) {
    auto* io = static_cast<Io*>(param);
    std::memcpy(io->out + io->out_pos, buf, *size);
    io->out_pos += *size;
}

using ImplodeFn = unsigned (*)(ReadFunction, WriteFunction, char*, void*, unsigned*, unsigned*);
using ExplodeFn = unsigned (*)(ReadFunction, WriteFunction, char*, void*);

struct Codec {
    const char* name;
    ImplodeFn implode;
    ExplodeFn explode;
    std::size_t implode_work;
    std::size_t explode_work;
};

struct Timed {
    double seconds;
    Bytes output;
};

Timed RunImplode(const Codec& c, const Bytes& in, unsigned type, unsigned dsize,
                 std::vector<char>& work) {
    Bytes out(in.size() * 2 + 64);
    Io io{in.data(), in.size(), 0, out.data(), 0};
    std::memset(work.data(), 0, c.implode_work);
    const auto t0 = Clock::now();
    c.implode(Read, Write, work.data(), &io, &type, &dsize);
    const double s = std::chrono::duration<double>(Clock::now() - t0).count();
    out.resize(io.out_pos);
    return {s, std::move(out)};
}

Timed RunExplode(const Codec& c, const Bytes& packed, std::size_t expected,
                 std::vector<char>& work) {
    Bytes out(expected + 64);
    Io io{packed.data(), packed.size(), 0, out.data(), 0};
    const auto t0 = Clock::now();
    c.explode(Read, Write, work.data(), &io);
    const double s = std::chrono::duration<double>(Clock::now() - t0).count();
    out.resize(io.out_pos);
    return {s, std::move(out)};
}

struct Figures {
    double implode_s = 0, explode_s = 0;
    std::size_t packed = 0;
    bool ok = true;
};

// Best-of-n timing of one item with one parameter set, the codecs in turn.
std::vector<Figures> Measure(const std::vector<Codec>& codecs, const Bytes& in, unsigned type,
                             unsigned dsize, int reps) {
    std::vector<Figures> f(codecs.size());
    std::vector<std::vector<char>> work(codecs.size());
    for (std::size_t k = 0; k < codecs.size(); ++k)
        work[k].resize(std::max(codecs[k].implode_work, codecs[k].explode_work));
    for (int r = 0; r < reps; ++r) {
        for (std::size_t k = 0; k < codecs.size(); ++k) {
            Timed packed = RunImplode(codecs[k], in, type, dsize, work[k]);
            Timed back = RunExplode(codecs[k], packed.output, in.size(), work[k]);
            if (r == 0 || packed.seconds < f[k].implode_s) f[k].implode_s = packed.seconds;
            if (r == 0 || back.seconds < f[k].explode_s) f[k].explode_s = back.seconds;
            f[k].packed = packed.output.size();
            f[k].ok = f[k].ok && back.output == in;
        }
    }
    return f;
}

double Mbps(std::size_t bytes, double seconds) {
    return seconds > 0 ? bytes / seconds / 1e6 : 0;
}

} // namespace

int main(int argc, char** argv) {
    const int reps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::vector<Codec> codecs{{"ours", Implode, Explode, kImplodeWorkSize, kExplodeWorkSize}};
#if ORVANE_HAVE_STORM
    codecs.push_back(
        {"StormLib", implode, explode, testing::kStormWorkSize, testing::kStormWorkSize});
#else
    std::printf("StormLib (libstorm-dev) not found: our figures only\n");
#endif
    const bool pair = codecs.size() == 2;

    std::vector<testing::CorpusItem> items;
    for (auto& item : testing::MakeCorpus(ORVANE_CODEC_SOURCE_DIR))
        if (item.data.size() >= 50000) items.push_back(std::move(item));

    struct Setting {
        unsigned type, dsize;
        bool speed;
    };
    const Setting settings[] = {{kAscii, 4096, true},   {kBinary, 4096, true},
                                {kAscii, 2048, false},  {kAscii, 1024, false},
                                {kBinary, 2048, false}, {kBinary, 1024, false}};
    bool all_ok = true;
    for (const Setting& s : settings) {
        std::printf("\n%s coding, %u-byte dictionary%s\n", s.type == kAscii ? "ASCII" : "binary",
                    s.dsize, s.speed ? "" : " (sizes)");
        if (s.speed)
            std::printf("%-22s %9s | %9s %9s %7s | %-25s | %-25s\n", "item", "bytes", "packed",
                        "Storm", "size", "implode MB/s ours/Storm", "explode MB/s ours/Storm");
        else
            std::printf("%-22s %9s | %9s %9s %7s\n", "item", "bytes", "packed", "Storm", "size");
        std::size_t total = 0;
        std::vector<Figures> sum(codecs.size());
        for (const auto& item : items) {
            const std::vector<Figures> f =
                Measure(codecs, item.data, s.type, s.dsize, s.speed ? reps : 1);
            total += item.data.size();
            for (std::size_t k = 0; k < codecs.size(); ++k) {
                sum[k].implode_s += f[k].implode_s;
                sum[k].explode_s += f[k].explode_s;
                sum[k].packed += f[k].packed;
                all_ok = all_ok && f[k].ok;
            }
            const std::size_t storm = pair ? f[1].packed : 0;
            std::printf("%-22s %9zu | %9zu %9zu %7.4f", item.name.c_str(), item.data.size(),
                        f[0].packed, storm, pair ? double(f[0].packed) / double(storm) : 0.0);
            if (s.speed) {
                const double io = Mbps(item.data.size(), f[0].implode_s);
                const double eo = Mbps(item.data.size(), f[0].explode_s);
                const double is = pair ? Mbps(item.data.size(), f[1].implode_s) : 0;
                const double es = pair ? Mbps(item.data.size(), f[1].explode_s) : 0;
                std::printf(" | %7.1f %7.1f  x%5.2f | %7.1f %7.1f  x%5.2f", io, is,
                            is > 0 ? io / is : 0, eo, es, es > 0 ? eo / es : 0);
            }
            std::printf("%s\n", f[0].ok ? "" : "  ROUND TRIP FAILED");
        }
        const std::size_t storm = pair ? sum[1].packed : 0;
        std::printf("%-22s %9zu | %9zu %9zu %7.4f", "total", total, sum[0].packed, storm,
                    pair ? double(sum[0].packed) / double(storm) : 0.0);
        if (s.speed) {
            const double io = Mbps(total, sum[0].implode_s), eo = Mbps(total, sum[0].explode_s);
            const double is = pair ? Mbps(total, sum[1].implode_s) : 0;
            const double es = pair ? Mbps(total, sum[1].explode_s) : 0;
            std::printf(" | %7.1f %7.1f  x%5.2f | %7.1f %7.1f  x%5.2f", io, is,
                        is > 0 ? io / is : 0, eo, es, es > 0 ? eo / es : 0);
        }
        std::printf("\n");
    }
    std::printf("\nsize = our compressed size / StormLib's; xN = our speed / StormLib's "
                "(best of %d runs each)\n",
                reps);
    return all_ok ? 0 : 1;
}
