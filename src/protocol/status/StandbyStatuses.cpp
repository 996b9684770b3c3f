// The statuses that end a link and return the console to standby.
#include "platform/Sound.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkButtons.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/LinkFigures.h"
#include "protocol/status/SessionSide.h"
#include "protocol/status/StatusHandlers.h"

namespace orvane {

namespace {
constexpr int kLinkFailedPanelMs = 1500;
}

Task<> StatusHandlers::standbyReset(int lastClearedPanel) {
    ctx_.session.stopTextFileSend();
    ctx_.surface.setTxPaneEditable(true);
    ctx_.timers.monitorTimer().stop();
    co_await readDiscarded(1);
    ctx_.session.resetEchoPending();
    stopWatchdog();
    auto& link = ctx_.link;
    ctx_.surface.setPanel(panel::Link, link.standbyText());
    clearPanels(panel::Event, lastClearedPanel);

    showLinkButtons(ctx_.surface, kArqToolbars, LinkSituation::LinkEnded);
    ctx_.surface.menus().note(MenuEvent::LinkEnded);

    // Out of a broadcast before anything asks which mode we are in.
    link.returnToSavedMode();
    if (link.operatingMode == OperatingMode::Quoral) {
        enable(Control::QuoralCallCq, true);
        link.cqPending = false;
    }
    link.linkUp = false;
}

Task<> StatusHandlers::disconnected() {
    co_await standbyReset(panel::Format);
    ctx_.figures.clearLink();
    showModeAfterLink();
    if (isFsk(ctx_.link.operatingMode)) {
        enable(Control::BaudotFoxes, true);
        enable(Control::AsciiFoxes, true);
    } else {
        enableOn(kArqToolbars, ButtonRole::Fec, true);
        enableOn(kArqToolbars, ButtonRole::Foxes, false);
        if (rules_.disconnectedRestoresQuoralTraffic) enable(Control::AsciiFoxes, false);
    }
    if (rules_.disconnectedRestoresQuoralTraffic)
        showLinkButtons(ctx_.surface, Toolbar::Quoral, LinkSituation::TrafficRestored);
    ctx_.sound.beep();
    if (rules_.disconnectedRestoresQuoralTraffic) closeFaxPanel();
}

Task<> StatusHandlers::linkFailed() {
    co_await standbyReset(rules_.linkFailedClearsEntryPanel ? panel::Entry : panel::Format);
    restoreCqButtonsIfCalling();
    const bool fsk = isFsk(ctx_.link.operatingMode);
    if (!fsk) enableOn(kArqToolbars, ButtonRole::Fec, true);
    ctx_.figures.clearTuneLevels();
    if (fsk) {
        enable(Control::BaudotFoxes, true);
        enable(Control::AsciiFoxes, true);
    }
    showModeAfterLink();
    // Nothing may write to a file the failed link leaves behind.
    ctx_.session.closeFileActivities();
    ctx_.sound.beep();
    ctx_.surface.setCaption(Control::DisconnectPanel, "Link Failed!");
    ctx_.timers.startTransientPanel(Control::DisconnectPanel, kLinkFailedPanelMs);
}

// Panel 0 names the mode a link may have switched to.
void StatusHandlers::showModeAfterLink() {
    const auto mode = ctx_.link.operatingMode;
    if (mode == OperatingMode::Amtor || mode == OperatingMode::PMode)
        ctx_.surface.setPanel(panel::Mode, panelName(mode));
}

void StatusHandlers::restoreCqButtonsIfCalling() {
    if (!ctx_.link.cqPending) return;
    ctx_.link.cqPending = false;
    enableOn(kArqToolbars, ButtonRole::CallCq, true);
}

void StatusHandlers::closeFaxPanel() {
    if (ctx_.surface.isPanelVisible(Control::FaxPanel)) ctx_.surface.hidePanel(Control::FaxPanel);
}

} // namespace orvane
