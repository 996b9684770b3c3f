#pragma once

#include "monitor/ReceiveProgress.h"
#include "monitor/StatusBarView.h"
#include "monitor/TransferProgress.h"
#include "platform/Clock.h"

#include <memory>

namespace orvane {

// TimeDisplayTimer, every 250 ms: the UTC clock in panel 8, the binary receive
// progress, the pane line counts in panel 5, then the text-file and binary
// send progress steps.
class TimeDisplayTick {
public:
    static constexpr int kIntervalMs = 250;

    // `throughput` is the throughput display's memory, shared with the transfers.
    TimeDisplayTick(Clock& clock, StatusBarView& statusBar, TransferProgress& transfers,
                    ThroughputState& throughput);
    TimeDisplayTick(const TimeDisplayTick&) = delete;
    TimeDisplayTick& operator=(const TimeDisplayTick&) = delete;

    // The last step of start-up starts it; closing the main window stops it.
    void start();
    void stop();
    bool isRunning() const;

    // The throughput display's memory. A transfer start restarts it; the
    // transfers' own progress updates measure through it too.
    ThroughputState& throughput() { return throughput_; }

    // One tick; the timer's handler.
    void tick();

private:
    void showBinaryReceiveProgress();

    Clock& clock_;
    StatusBarView& statusBar_;
    TransferProgress& transfers_;
    ThroughputState& throughput_;
    std::unique_ptr<Timer> timer_;
};

} // namespace orvane
