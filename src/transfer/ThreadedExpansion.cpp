#include "transfer/ThreadedExpansion.h"

#include "platform/UiThread.h"

namespace orvane {

ThreadedExpansion::ThreadedExpansion(UiThread& uiThread) : queue_(uiThread.createQueue()) {}

ThreadedExpansion::~ThreadedExpansion() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

void ThreadedExpansion::expand(std::unique_ptr<TransferFile> in, std::unique_ptr<TransferFile> out,
                               std::int64_t largest, ExpansionDone& done) {
    // The one before has told its end already, or is about to: only its thread is left.
    if (worker_.joinable()) worker_.join();
    worker_ =
        std::thread([this, in = std::move(in), out = std::move(out), largest, &done]() mutable {
            const CodecRun run = ExpandFile(*in, *out, largest, stop_);
            in.reset();
            out.reset(); // closed before the end is told
            queue_->post([run, &done] { done.expansionFinished(run); });
        });
}

} // namespace orvane
