#include "transfer/FileExpansion.h"

#include "transfer/implode/pklib.h"

#include <vector>

namespace orvane {
namespace {

// The codec's two ends, and why it was cut short.
struct ExpansionFiles {
    TransferFile& in;
    TransferFile& out;
    std::int64_t room; // bytes the output may still take
    const std::atomic<bool>& stop;
    int failure = 0; // a CodecRun code, or 0 while all is well
    std::string reason;
};

// Reports the end of the input once the expansion has to stop, so that the
// codec winds up after what it holds already.
unsigned int ReadBlock(char* buffer, unsigned int* size, void* param) {
    auto& files = *static_cast<ExpansionFiles*>(param);
    if (files.stop) files.failure = CodecRun::kStopped;
    if (files.failure != 0) return 0;
    return static_cast<unsigned int>(
        files.in.read({reinterpret_cast<std::uint8_t*>(buffer), *size}));
}

void WriteBlock(char* buffer, unsigned int* size, void* param) {
    auto& files = *static_cast<ExpansionFiles*>(param);
    if (files.failure != 0) return;
    if (static_cast<std::int64_t>(*size) > files.room) {
        files.failure = CodecRun::kTooLarge;
        return;
    }
    files.room -= *size;
    if (!files.out.write({reinterpret_cast<const std::uint8_t*>(buffer), *size})) {
        files.failure = CodecRun::kFileError;
        files.reason = files.out.error();
    }
}

} // namespace

CodecRun ExpandFile(TransferFile& in, TransferFile& out, std::int64_t largest,
                    const std::atomic<bool>& stop) {
    ExpansionFiles files{in, out, largest, stop, 0, {}};
    std::vector<char> work(pklib::kExplodeWorkSize);
    const unsigned int result = pklib::Explode(ReadBlock, WriteBlock, work.data(), &files);
    if (files.failure == 0 && !out.flush()) {
        files.failure = CodecRun::kFileError;
        files.reason = out.error();
    }
    if (files.failure != 0) return {files.failure, files.reason};
    return {static_cast<int>(result), {}};
}

} // namespace orvane
