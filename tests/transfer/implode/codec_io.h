// Memory-backed read and write functions for the codec, with a record of the
// sizes asked for and written, and the wrappers the codec tests share.
#pragma once

#include "transfer/implode/corpus.h"
#include "transfer/implode/pklib.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace orvane::pklib::testing {

struct MemoryIo {
    const Bytes* input = nullptr;
    std::size_t pos = 0;
    Bytes output;
    // Optional: how many bytes to hand out for a request (default: all asked).
    std::function<unsigned(unsigned asked)> chunk;
    std::vector<unsigned> reads_asked;
    std::vector<unsigned> writes;

    static unsigned Read(char* buf, unsigned* size, void* param) {
        auto* io = static_cast<MemoryIo*>(param);
        io->reads_asked.push_back(*size);
        std::size_t n = std::min<std::size_t>(*size, io->input->size() - io->pos);
        if (io->chunk && n > 0) n = std::min<std::size_t>(n, std::max(1u, io->chunk(*size)));
        if (n != 0) std::memcpy(buf, io->input->data() + io->pos, n);
        io->pos += n;
        return static_cast<unsigned>(n);
    }
    static void Write(char* buf, unsigned* size, void* param) {
        auto* io = static_cast<MemoryIo*>(param);
        io->writes.push_back(*size);
        io->output.insert(io->output.end(), buf, buf + *size);
    }
};

inline Bytes ImplodeBytes(const Bytes& in, unsigned type, unsigned dsize,
                          unsigned* result = nullptr, MemoryIo* record = nullptr) {
    MemoryIo local;
    MemoryIo& io = record ? *record : local;
    io.input = &in;
    auto work = std::make_unique<char[]>(kImplodeWorkSize);
    const unsigned r = Implode(MemoryIo::Read, MemoryIo::Write, work.get(), &io, &type, &dsize);
    if (result) *result = r;
    return io.output;
}

inline Bytes ExplodeBytes(const Bytes& in, unsigned* result = nullptr, MemoryIo* record = nullptr) {
    MemoryIo local;
    MemoryIo& io = record ? *record : local;
    io.input = &in;
    auto work = std::make_unique<char[]>(kExplodeWorkSize);
    const unsigned r = Explode(MemoryIo::Read, MemoryIo::Write, work.get(), &io);
    if (result) *result = r;
    return io.output;
}

} // namespace orvane::pklib::testing
