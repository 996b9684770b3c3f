#pragma once

#include "transfer/FileExpansion.h"

#include <atomic>
#include <memory>
#include <thread>

namespace orvane {

class UiQueue;
class UiThread;

// The expansions of the console: each on a thread of its own, its end told on
// the user-interface thread. Going away stops a running expansion and waits
// for it; an end not yet told then never is.
class ThreadedExpansion final : public ExpansionRunner {
public:
    explicit ThreadedExpansion(UiThread& uiThread);
    ~ThreadedExpansion() override;
    ThreadedExpansion(const ThreadedExpansion&) = delete;
    ThreadedExpansion& operator=(const ThreadedExpansion&) = delete;

    void expand(std::unique_ptr<TransferFile> in, std::unique_ptr<TransferFile> out,
                std::int64_t largest, ExpansionDone& done) override;

private:
    std::unique_ptr<UiQueue> queue_;
    std::atomic<bool> stop_{false};
    std::thread worker_;
};

} // namespace orvane
