#include "protocol/link/SupervisionTimers.h"

#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionHooks.h"

namespace orvane {

SupervisionTimers::SupervisionTimers(Clock& clock, LinkState& link, ConsoleSurface& surface,
                                     SupervisionHooks& hooks)
    : link_(link), surface_(surface), hooks_(hooks),
      command_(clock.createTimer("CommandTimer", kCommandTimeoutMs)),
      monitor_(clock.createTimer("MonitorTimer", kMonitorMs)),
      cq_(clock.createTimer("CQTimer", kCqAnswerMs)),
      // Each starter of a transient panel sets its own interval.
      wait_(clock.createTimer("WaitTimer", 1000)),
      reset_(clock.createTimer("ResetTimer", kResetMs)) {
    command_->setHandler([this] { onCommandTimeout(); });
    monitor_->setHandler([this] { onMonitorTimeout(); });
    cq_->setHandler([this] { onCqTimeout(); });
    wait_->setHandler([this] { onWaitTimeout(); });
    reset_->setHandler([this] { onResetTimeout(); });
}

SupervisionTimers::~SupervisionTimers() = default;

void SupervisionTimers::startMonitorTimer() {
    monitor_->setInterval(kMonitorMs);
    monitor_->start();
}

void SupervisionTimers::restartCqTimer() {
    cq_->stop();
    cq_->setInterval(kCqAnswerMs);
    cq_->start();
}

void SupervisionTimers::startResetTimer() {
    reset_->setInterval(kResetMs);
    reset_->start();
}

void SupervisionTimers::startTransientPanel(Control panel, int ms) {
    wait_->setInterval(ms);
    wait_->start();
    surface_.showCentredPanel(panel);
}

void SupervisionTimers::stopForExit() {
    command_->stop();
    wait_->stop();
    cq_->stop();
}

void SupervisionTimers::onCommandTimeout() {
    command_->stop();
    hooks_.modemSilenceShutdown();
}

void SupervisionTimers::onMonitorTimeout() {
    monitor_->stop();
    showStandbyUnlessLinked();
}

void SupervisionTimers::onCqTimeout() {
    // Outside Quoral the offer stays open and the timer keeps running until a
    // Quoral mode or an answer to the CQ stops it.
    if (link_.operatingMode != OperatingMode::Quoral) return;
    surface_.setCaption(Control::QuoralCallCq, "Call CQ");
    cq_->stop();
    link_.answerCqPending = false;
    showStandbyUnlessLinked();
}

void SupervisionTimers::onWaitTimeout() {
    hooks_.setDtr();
    surface_.hidePanel(Control::PanicPanel);
    surface_.hidePanel(Control::DisconnectPanel);
    surface_.setCaption(Control::DisconnectPanel, "Disconnect");
    surface_.hidePanel(Control::FirmwarePanel);
    surface_.hidePanel(Control::CwIdBox);
    surface_.hidePanel(Control::OverBox);
    wait_->stop();
}

void SupervisionTimers::onResetTimeout() {
    reset_->stop();
    hooks_.hardwareResetRecovery();
    surface_.hidePanel(Control::HardwareResetPanel);
}

// An announcement ("CQ from ...", "ARQ Call to ...") fades back to standby,
// but a link that came up meanwhile keeps its "Linked to ..." text.
void SupervisionTimers::showStandbyUnlessLinked() {
    if (!link_.linkUp) surface_.setPanel(panel::Link, link_.standbyText());
}

} // namespace orvane
