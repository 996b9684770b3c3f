// libFuzzer target for Explode (configure with clang and -DORVANE_FUZZ=ON):
//   ./explode_fuzzer -max_total_time=600 corpus/
// Every input is expanded with a work area of exactly 12596 bytes and checked
// against the slow reference decoder; it is also compressed and expanded
// again, which must give it back.
#include "transfer/implode/codec_io.h"
#include "transfer/implode/reference_decoder.h"

#include <cstdlib>

using namespace orvane::pklib;
using namespace orvane::pklib::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes in(data, data + size);
    {
        MemoryIo io;
        io.input = &in;
        auto work = std::make_unique<char[]>(kExplodeWorkSize);
        const unsigned result = Explode(MemoryIo::Read, MemoryIo::Write, work.get(), &io);
        const ReferenceResult ref = ReferenceDecoder::Decode(in);
        if (result != ref.result || io.output != ref.output) std::abort();
    }
    if (size > 0) {
        const unsigned type = data[0] & 1, dsize = 1024u << (data[size - 1] % 3);
        MemoryIo io;
        io.input = &in;
        auto work = std::make_unique<char[]>(kImplodeWorkSize);
        unsigned t = type, d = dsize;
        if (Implode(MemoryIo::Read, MemoryIo::Write, work.get(), &io, &t, &d) != kOk) std::abort();
        unsigned result = 99;
        if (ExplodeBytes(io.output, &result) != in || result != kOk) std::abort();
    }
    return 0;
}
