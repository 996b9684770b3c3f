// StormLib's implode and explode (package libstorm-dev) as black-box oracles.
// The library exports them with the codec's calling convention but does not
// declare them in its header, so we do. Its work areas hold pointers, so on
// 64-bit systems they are larger than the format's 36312 and 12596 bytes; we
// give it 64 KiB, zeroed (its compressor compares bytes past the input that
// it never wrote, so an uninitialised area would make its output vary).
#pragma once

#include "transfer/implode/codec_io.h"

#include <optional>

#if ORVANE_HAVE_STORM
extern "C" {
unsigned int implode(unsigned int (*read_buf)(char*, unsigned int*, void*),
                     void (*write_buf)(char*, unsigned int*, void*), char* work_buf, void* param,
                     unsigned int* type, unsigned int* dsize);
unsigned int explode(unsigned int (*read_buf)(char*, unsigned int*, void*),
                     void (*write_buf)(char*, unsigned int*, void*), char* work_buf, void* param);
}
#endif

namespace orvane::pklib::testing {

inline constexpr bool kHaveStorm = ORVANE_HAVE_STORM != 0;
inline constexpr std::size_t kStormWorkSize = 65536;

struct StormRun {
    unsigned result = 0;
    Bytes output;
};

inline std::optional<StormRun> StormImplode(const Bytes& in, unsigned type, unsigned dsize) {
#if ORVANE_HAVE_STORM
    MemoryIo io;
    io.input = &in;
    std::vector<char> work(kStormWorkSize, 0);
    StormRun r;
    r.result = implode(MemoryIo::Read, MemoryIo::Write, work.data(), &io, &type, &dsize);
    r.output = std::move(io.output);
    return r;
#else
    (void)in, (void)type, (void)dsize;
    return std::nullopt;
#endif
}

inline std::optional<StormRun> StormExplode(const Bytes& in) {
#if ORVANE_HAVE_STORM
    MemoryIo io;
    io.input = &in;
    std::vector<char> work(kStormWorkSize, 0);
    StormRun r;
    r.result = explode(MemoryIo::Read, MemoryIo::Write, work.data(), &io);
    r.output = std::move(io.output);
    return r;
#else
    (void)in;
    return std::nullopt;
#endif
}

} // namespace orvane::pklib::testing
