#include "protocol/status/StatusHandlers.h"

#include "platform/Sound.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/SessionSide.h"
#include "protocol/status/StatusCode.h"

namespace orvane {

StatusHandlers::StatusHandlers(RxQueue& queue, const StatusDispatchContext& context,
                               const DispatchRules& rules)
    : ctx_(context), rules_(rules),
      reader_(queue, context.session, rules.clearLineErrorsWhileWaiting) {}

void StatusHandlers::dispatch(std::uint8_t code) {
    reader_.start(handle(code));
}

Task<> StatusHandlers::handle(std::uint8_t code) {
    switch (static_cast<StatusCode>(code)) {
    case StatusCode::HW_RESET: hardwareReset(); break;
    case StatusCode::LINKED: co_await linked(); break;
    case StatusCode::FEC_CCB_FROM: co_await fecCcbFrom(); break;
    case StatusCode::ARQ_CCB_FROM: co_await announceCall("ARQ CCB from "); break;
    case StatusCode::DISCONNECTED: co_await disconnected(); break;
    case StatusCode::LINK_FAILED: co_await linkFailed(); break;
    case StatusCode::CQ_FROM: co_await cqFrom(); break;
    case StatusCode::ARQ_LINK_REQUEST: co_await arqLinkRequest(); break;
    case StatusCode::ARQ_CALL_TO: co_await announceCall("ARQ Call to "); break;
    case StatusCode::AMTOR_476_LINK: co_await amtor476Link(); break;
    case StatusCode::AMTOR_625_LINK: co_await amtor625Link(); break;
    case StatusCode::PMODE_LINK: co_await pmodeLink(); break;
    case StatusCode::SELFEC_TO: co_await selfecTo(); break;
    case StatusCode::PAIR_TEXT_2D:
    case StatusCode::PAIR_TEXT_2E: co_await readPairText(); break;
    case StatusCode::ECHO_OFF: echo(false); break;
    case StatusCode::ECHO_ON: echo(true); break;
    case StatusCode::TUNE_LEVELS: co_await tuneLevels(); break;
    case StatusCode::LINK_STATISTICS: co_await linkStatistics(); break;
    case StatusCode::CQ_EVENT: co_await cqEvent(); break;
    case StatusCode::MODULATION_REPORT: co_await modulationReport(); break;
    case StatusCode::STATE_EVENT: co_await stateEvent(); break;
    case StatusCode::FREQ_OFFSET: co_await freqOffset(); break;
    case StatusCode::IGNORED_71:
    case StatusCode::IGNORED_74:
    case StatusCode::IGNORED_7D: co_await readDiscarded(1); break;
    case StatusCode::IGNORED_7C:
    case StatusCode::IGNORED_7F: co_await readDiscarded(2); break;
    }
    // Any other code is ignored and takes nothing from the queue.
}

// What the modem sends after a hardware reset is not ours to interpret: the
// panel and the recovery timer are the whole answer, and no link is announced
// from whatever bytes come next.
void StatusHandlers::hardwareReset() {
    if (ctx_.surface.isPanelVisible(Control::HardwareResetPanel)) return;
    ctx_.surface.showCentredPanel(Control::HardwareResetPanel);
    ctx_.timers.startResetTimer();
}

Task<> StatusHandlers::fecCcbFrom() {
    const std::string call = co_await readCallText();
    ctx_.surface.menus().note(MenuEvent::FecCallHeard);
    announce("FEC CCB from " + call);
}

Task<> StatusHandlers::announceCall(std::string prefix) {
    const std::string call = co_await readCallText();
    announce(prefix + call);
}

Task<> StatusHandlers::cqFrom() {
    const std::string call = co_await readCallText();
    ctx_.surface.setPanel(panel::Link, "CQ from " + call);
    ctx_.surface.setCaption(Control::QuoralCallCq, "Answer CQ");
    ctx_.link.answerCqPending = true;
    ctx_.timers.restartCqTimer();
    ctx_.timers.startMonitorTimer();
}

Task<> StatusHandlers::arqLinkRequest() {
    co_await readDiscarded(1);
    announce("ARQ Link Request");
}

Task<> StatusHandlers::selfecTo() {
    const std::string text = co_await readPairText();
    announce("SELFEC to " + text);
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
    ctx_.session.setEchoMode(on);
}

Task<std::string> StatusHandlers::readCallText() {
    std::string text = co_await reader_.callText();
    stopWatchdog();
    co_return text;
}

Task<std::string> StatusHandlers::readPairText() {
    std::string text = co_await reader_.pairText();
    stopWatchdog();
    co_return text;
}

Task<> StatusHandlers::readDiscarded(int count) {
    co_await reader_.discard(count);
    stopWatchdog();
}

void StatusHandlers::stopWatchdog() {
    ctx_.timers.commandTimer().stop();
}

void StatusHandlers::enable(Control control, bool on) {
    ctx_.surface.setEnabled(control, on);
}

void StatusHandlers::enableOn(std::span<const Toolbar> toolbars, ButtonRole role, bool on) {
    for (const auto toolbar : toolbars)
        if (auto button = toolbarButton(toolbar, role)) enable(*button, on);
}

void StatusHandlers::captionOn(std::span<const Toolbar> toolbars, ButtonRole role,
                               const std::string& caption) {
    for (const auto toolbar : toolbars)
        if (auto button = toolbarButton(toolbar, role)) ctx_.surface.setCaption(*button, caption);
}

void StatusHandlers::clearPanels(int first, int last) {
    for (int index = first; index <= last; ++index)
        ctx_.surface.setPanel(index, "");
}

} // namespace orvane
