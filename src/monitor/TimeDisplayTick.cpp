#include "monitor/TimeDisplayTick.h"

#include "monitor/ClockText.h"
#include "monitor/LineCountText.h"

namespace orvane {

TimeDisplayTick::TimeDisplayTick(Clock& clock, StatusBarView& statusBar,
                                 TransferProgress& transfers, ThroughputState& throughput)
    : clock_(clock), statusBar_(statusBar), transfers_(transfers), throughput_(throughput),
      timer_(clock.createTimer("TimeDisplayTimer", kIntervalMs)) {
    timer_->setHandler([this] { tick(); });
}

void TimeDisplayTick::start() {
    timer_->start();
}

void TimeDisplayTick::stop() {
    timer_->stop();
}

bool TimeDisplayTick::isRunning() const {
    return timer_->isActive();
}

void TimeDisplayTick::tick() {
    statusBar_.setPanel(panel::Clock, ClockText(clock_.now()));
    if (transfers_.binaryReceiveActive()) showBinaryReceiveProgress();
    statusBar_.setPanel(panel::Format, LineCountText(statusBar_.receiveLineCount(),
                                                     statusBar_.transmitLineCount()));
    transfers_.textFileProgressStep();
    transfers_.binarySendProgressStep();
}

void TimeDisplayTick::showBinaryReceiveProgress() {
    const BinaryReceiveCounters counters = transfers_.binaryReceiveCounters();
    const std::int64_t now = TransferClockSeconds(clock_);

    transfers_.setXferBytes(
        std::to_string(ShownBytes(counters.byteCount, counters.fileSize, counters.dataSize)));
    transfers_.setXferTime(XferTimeText(now - counters.startSeconds));
    if (auto shown = UpdateThroughput(throughput_, counters.byteCount, now, counters.fileSize,
                                      counters.dataSize))
        transfers_.setXferTput(std::to_string(*shown));
    transfers_.setXferGauge(counters.byteCount);
}

} // namespace orvane
