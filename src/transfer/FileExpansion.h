#pragma once

#include "transfer/TransferFiles.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace orvane {

// Expands the implode stream read from `in` into `out`, and flushes `out`.
// The expansion ends as soon as the output would pass `largest` bytes
// (CodecRun::kTooLarge): nothing beyond `largest` is ever written, so a small
// stream announced as a small file cannot fill the disk. It also ends when a
// file fails (kFileError, with the file's reason) or when `stop` is set
// (kStopped). Any thread; the two files are its own while it runs.
CodecRun ExpandFile(TransferFile& in, TransferFile& out, std::int64_t largest,
                    const std::atomic<bool>& stop);

// Told on the user-interface thread how an expansion ended; its files are
// closed by then.
class ExpansionDone {
public:
    virtual ~ExpansionDone() = default;
    virtual void expansionFinished(const CodecRun& run) = 0;
};

// Runs ExpandFile away from the user-interface thread, so that a large file
// does not hold the window, and reports its end on that thread. One
// expansion at a time.
class ExpansionRunner {
public:
    virtual ~ExpansionRunner() = default;
    virtual void expand(std::unique_ptr<TransferFile> in, std::unique_ptr<TransferFile> out,
                        std::int64_t largest, ExpansionDone& done) = 0;
};

} // namespace orvane
