// The statuses that end a link and return the console to standby.
#include "platform/Sound.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/ConsoleActivities.h"
#include "protocol/status/ReceiveSide.h"
#include "protocol/status/StatusHandlers.h"
#include "protocol/status/StatusRecords.h"

#include <algorithm>

namespace orvane {

namespace {
constexpr int kLinkFailedPanelMs = 1500;
}

Task<> StatusHandlers::standbyReset(int lastClearedPanel) {
    ctx_.activities.stopTextFileSend();
    ctx_.surface.setTxPaneEditable(true);
    ctx_.timers.monitorTimer().stop();
    co_await readDiscarded(1);
    ctx_.receive.resetEchoPending();
    stopWatchdog();
    auto& link = ctx_.link;
    ctx_.surface.setPanel(panel::Link, link.standbyText());
    clearPanels(panel::Event, lastClearedPanel);

    enableOn(kTorToolbars, "ForcedOver", false);
    enableOn(kArqToolbars, "Disconnect", false);
    enableOn(kArqToolbars, "Connect", true);
    enableOn(kArqToolbars, "Panic", false);
    enable("mnuFilesSendBinaryFile", false);
    enable("mnuCode", true);
    enable("mnuConfigure", true);

    // Out of a broadcast before anything asks which mode we are in.
    link.returnToSavedMode();
    enable("mnuSpecialTest", true);
    enableOn(kTorToolbars, "Over", false);
    if (link.operatingMode == OperatingMode::Quoral) {
        enable("butQORCallCQ", true);
        link.cqPending = false;
    }
    link.linkUp = false;
}

Task<> StatusHandlers::disconnected() {
    co_await standbyReset(panel::Format);
    auto& records = ctx_.records;
    std::fill_n(records.linkStats.begin(), 14, std::uint8_t{0});
    std::fill_n(records.modReport.begin(), 4, std::uint8_t{0});
    records.tuneLevels.current = {};
    showModeAfterLink();
    enable("mnuFilesSendtextfile", false);
    if (isFsk(ctx_.link.operatingMode)) {
        enable("butBaudotFoxes", true);
        enable("butAsciiFoxes", true);
    } else {
        enableOn(kArqToolbars, "FEC", true);
        enableOn(kArqToolbars, "Foxes", false);
        if (rules_.disconnectedRestoresQuoralTraffic) enable("butAsciiFoxes", false);
    }
    if (rules_.disconnectedRestoresQuoralTraffic) {
        for (const char* name : {"butQORTXEnable", "butQORMsg0", "butQORMsgPlus", "butQORdeMY",
                                 "butQORHisDeMY", "butQORCallCQ"})
            enable(name, true);
    }
    ctx_.sound.beep();
    if (rules_.disconnectedRestoresQuoralTraffic) closeFaxPanel();
}

Task<> StatusHandlers::linkFailed() {
    co_await standbyReset(rules_.linkFailedClearsEntryPanel ? panel::Entry : panel::Format);
    restoreCqButtonsIfCalling();
    enable("mnuFilesSendtextfile", false);
    const bool fsk = isFsk(ctx_.link.operatingMode);
    if (!fsk) enableOn(kArqToolbars, "FEC", true);
    ctx_.records.tuneLevels.current = {};
    if (fsk) {
        enable("butBaudotFoxes", true);
        enable("butAsciiFoxes", true);
    }
    showModeAfterLink();
    // Nothing may write to a file the failed link leaves behind.
    ctx_.activities.closeFileActivities();
    ctx_.sound.beep();
    ctx_.surface.setCaption("DisconnectPanel", "Link Failed!");
    ctx_.timers.startTransientPanel("DisconnectPanel", kLinkFailedPanelMs);
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
    enableOn(kArqToolbars, "CallCQ", true);
}

void StatusHandlers::closeFaxPanel() {
    if (ctx_.surface.isPanelVisible("FAXTransferPanel")) ctx_.surface.hidePanel("FAXTransferPanel");
}

} // namespace orvane
