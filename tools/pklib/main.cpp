// pklib: compresses or expands standard input to standard output with the
// transfer codec, so that operators can inspect or recover
// transfer files by hand.
//
//   pklib implode [-a|-b] [-d 1024|2048|4096] < in > out
//   pklib explode < in > out
//
// The exit status is the codec's result code (0 to 4); a nonzero one comes
// with a one-line message on standard error. Usage errors exit with 64, read
// and write errors with 74 (the BSD sysexits values), apart from the codec's.
#include "transfer/implode/pklib.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

namespace pk = orvane::pklib;

constexpr int kUsageError = 64;
constexpr int kIoError = 74;

struct Streams {
    std::FILE* in;
    std::FILE* out;
    bool failed = false;
};

unsigned int ReadInput(char* buf, unsigned int* size, void* param) {
    auto* s = static_cast<Streams*>(param);
    const std::size_t got = std::fread(buf, 1, *size, s->in);
    if (got < *size && std::ferror(s->in)) s->failed = true;
    return static_cast<unsigned int>(got);
}

void WriteOutput(char* buf, unsigned int* size, void* param) {
    auto* s = static_cast<Streams*>(param);
    if (!s->failed && std::fwrite(buf, 1, *size, s->out) != *size) s->failed = true;
}

int Usage() {
    std::fputs("usage: pklib implode [-a|-b] [-d 1024|2048|4096] < in > out\n"
               "       pklib explode < in > out\n"
               "  -a  ASCII literal coding (the default, as the console uses)\n"
               "  -b  binary literal coding\n"
               "  -d  dictionary size in bytes (default 4096)\n",
               stderr);
    return kUsageError;
}

int Finish(const char* what, unsigned int result, Streams& s) {
    if (std::fflush(s.out) != 0) s.failed = true;
    if (s.failed) {
        std::fprintf(stderr, "pklib: %s: %s\n", what, std::strerror(errno ? errno : EIO));
        return kIoError;
    }
    if (result != pk::kOk)
        std::fprintf(stderr, "pklib: %s failed (%u): %s\n", what, result, pk::ResultText(result));
    return static_cast<int>(result);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string_view command = argv[1];
    Streams streams{stdin, stdout};

    if (command == "explode") {
        if (argc != 2) return Usage();
        auto work = std::make_unique<char[]>(pk::kExplodeWorkSize);
        const unsigned int result = pk::Explode(ReadInput, WriteOutput, work.get(), &streams);
        return Finish("explode", result, streams);
    }
    if (command != "implode") return Usage();

    unsigned int type = pk::kAscii;
    unsigned int dsize = 4096;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-a") {
            type = pk::kAscii;
        } else if (arg == "-b") {
            type = pk::kBinary;
        } else if (arg == "-d" && i + 1 < argc) {
            char* end = nullptr;
            errno = 0;
            const unsigned long value = std::strtoul(argv[++i], &end, 10);
            if (*argv[i] == '\0' || *end != '\0' || errno != 0) return Usage();
            // Any other number goes to the codec, which answers it with result 1.
            dsize = value > 0xffffffffUL ? 0 : static_cast<unsigned int>(value);
        } else {
            return Usage();
        }
    }
    auto work = std::make_unique<char[]>(pk::kImplodeWorkSize);
    const unsigned int result =
        pk::Implode(ReadInput, WriteOutput, work.get(), &streams, &type, &dsize);
    return Finish("implode", result, streams);
}
