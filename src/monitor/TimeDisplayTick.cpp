#include "monitor/TimeDisplayTick.h"

#include "monitor/ClockText.h"
#include "monitor/LineCountText.h"

namespace orvane {

TimeDisplayTick::TimeDisplayTick(Clock& clock, StatusBarView& statusBar,
                                 TransferProgress& transfers)
    : clock_(clock), statusBar_(statusBar), transfers_(&transfers),
      timer_(clock.createTimer("TimeDisplayTimer", kIntervalMs)) {
    timer_->setHandler([this] { TimeDisplayTimerTimer(); });
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

void TimeDisplayTick::TimeDisplayTimerTimer() {
    // The event handling between the steps may deliver this timer again; a
    // tick inside a tick would run the transfer steps out of order.
    if (inTick_) return;
    inTick_ = true;

    statusBar_.setPanel(panel::Clock, ClockText(clock_.now()));
    clock_.processEvents();

    if (transfers_->binaryReceiveActive()) showBinaryReceiveProgress();
    clock_.processEvents();

    statusBar_.setPanel(panel::Format, LineCountText(statusBar_.receiveLineCount(),
                                                               statusBar_.transmitLineCount()));
    clock_.processEvents();

    transfers_->textFileProgressStep();
    clock_.processEvents();

    transfers_->binarySendProgressStep();
    inTick_ = false;
}

void TimeDisplayTick::showBinaryReceiveProgress() {
    const BinaryReceiveCounters counters = transfers_->binaryReceiveCounters();
    const std::int64_t now = TransferClockSeconds(clock_);

    transfers_->setXferBytes(
        std::to_string(ShownBytes(counters.byteCount, counters.fileSize, counters.dataSize)));
    transfers_->setXferTime(XferTimeText(now - counters.startSeconds));
    if (auto shown = UpdateThroughput(throughput_, counters.byteCount, now, counters.fileSize,
                                      counters.dataSize))
        transfers_->setXferTput(std::to_string(*shown));
    transfers_->setXferGauge(counters.byteCount);
}

} // namespace orvane
