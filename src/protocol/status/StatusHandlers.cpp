#include "protocol/status/StatusHandlers.h"

#include "platform/Sound.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/ReceiveSide.h"
#include "protocol/status/StatusCode.h"

namespace orvane {

StatusHandlers::StatusHandlers(const StatusDispatchContext& context, const DispatchRules& rules)
    : ctx_(context), rules_(rules),
      reader_(context.queue, context.clock, context.receive, rules.clearLineErrorsWhileWaiting) {}

void StatusHandlers::dispatch(std::uint8_t code) {
    switch (static_cast<StatusCode>(code)) {
    case StatusCode::HW_RESET:
        return hardwareReset();
    case StatusCode::LINKED:
        return linked();
    case StatusCode::FEC_CCB_FROM:
        return fecCcbFrom();
    case StatusCode::ARQ_CCB_FROM:
        return announceCall("ARQ CCB from ");
    case StatusCode::DISCONNECTED:
        return disconnected();
    case StatusCode::LINK_FAILED:
        return linkFailed();
    case StatusCode::CQ_FROM:
        return cqFrom();
    case StatusCode::ARQ_LINK_REQUEST:
        return arqLinkRequest();
    case StatusCode::ARQ_CALL_TO:
        return announceCall("ARQ Call to ");
    case StatusCode::AMTOR_476_LINK:
        return amtor476Link();
    case StatusCode::AMTOR_625_LINK:
        return amtor625Link();
    case StatusCode::PMODE_LINK:
        return pmodeLink();
    case StatusCode::SELFEC_TO:
        return selfecTo();
    case StatusCode::PAIR_TEXT_2D:
    case StatusCode::PAIR_TEXT_2E:
        readPairText();
        return;
    case StatusCode::ECHO_OFF:
        return echo(false);
    case StatusCode::ECHO_ON:
        return echo(true);
    case StatusCode::TUNE_LEVELS:
        return tuneLevels();
    case StatusCode::LINK_STATISTICS:
        return linkStatistics();
    case StatusCode::CQ_EVENT:
        return cqEvent();
    case StatusCode::MODULATION_REPORT:
        return modulationReport();
    case StatusCode::STATE_EVENT:
        return stateEvent();
    case StatusCode::FREQ_OFFSET:
        return freqOffset();
    case StatusCode::IGNORED_71:
    case StatusCode::IGNORED_74:
    case StatusCode::IGNORED_7D:
        readDiscarded(1);
        return;
    case StatusCode::IGNORED_7C:
    case StatusCode::IGNORED_7F:
        readDiscarded(2);
        return;
    }
    // Any other code is ignored and takes nothing from the queue.
}

// What the modem sends after a hardware reset is not ours to interpret: the
// panel and the recovery timer are the whole answer, and no link is announced
// from whatever bytes come next.
void StatusHandlers::hardwareReset() {
    if (ctx_.surface.isPanelVisible("HardwareResetPanel")) return;
    ctx_.surface.showCentredPanel("HardwareResetPanel");
    ctx_.timers.startResetTimer();
}

void StatusHandlers::fecCcbFrom() {
    const auto call = readCallText();
    if (!call) return;
    enable("mnuSpecialTest", false);
    announce("FEC CCB from " + *call);
}

void StatusHandlers::announceCall(const std::string& prefix) {
    const auto call = readCallText();
    if (!call) return;
    announce(prefix + *call);
}

void StatusHandlers::cqFrom() {
    const auto call = readCallText();
    if (!call) return;
    ctx_.surface.setPanel(panel::Link, "CQ from " + *call);
    ctx_.surface.setCaption("butQORCallCQ", "Answer CQ");
    ctx_.link.answerCqPending = true;
    ctx_.timers.restartCqTimer();
    ctx_.timers.startMonitorTimer();
}

void StatusHandlers::arqLinkRequest() {
    if (!readDiscarded(1)) return;
    announce("ARQ Link Request");
}

void StatusHandlers::selfecTo() {
    const auto text = readPairText();
    if (!text) return;
    announce("SELFEC to " + *text);
}

// A transient text in panel 1; MonitorTimer returns it to standby.
void StatusHandlers::announce(const std::string& text) {
    ctx_.surface.setPanel(panel::Link, text);
    ctx_.timers.startMonitorTimer();
}

void StatusHandlers::echo(bool on) {
    if (rules_.echoFollowsLinkState) {
        const auto& link = ctx_.link;
        if (!on && link.txActive) return;
        if (on && link.operatingMode == OperatingMode::Quoral && !link.linkUp) return;
    }
    ctx_.receive.setEchoMode(on);
}

std::optional<std::string> StatusHandlers::readCallText() {
    auto text = reader_.callText();
    if (text) stopWatchdog();
    return text;
}

std::optional<std::string> StatusHandlers::readPairText() {
    auto text = reader_.pairText();
    if (text) stopWatchdog();
    return text;
}

bool StatusHandlers::readDiscarded(int count) {
    if (!reader_.discard(count)) return false;
    stopWatchdog();
    return true;
}

void StatusHandlers::stopWatchdog() {
    ctx_.timers.commandTimer().stop();
}

void StatusHandlers::enable(const std::string& objectName, bool on) {
    ctx_.surface.setEnabled(objectName, on);
}

void StatusHandlers::enableOn(std::span<const Toolbar> toolbars, std::string_view role, bool on) {
    for (const auto toolbar : toolbars)
        enable(button(toolbar, role), on);
}

void StatusHandlers::clearPanels(int first, int last) {
    for (int index = first; index <= last; ++index)
        ctx_.surface.setPanel(index, "");
}

} // namespace orvane
