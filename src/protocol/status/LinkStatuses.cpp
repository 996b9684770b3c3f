// The statuses that bring a link up.
#include "platform/Sound.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkButtons.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/SessionSide.h"
#include "protocol/status/StatusHandlers.h"

namespace orvane {

// Every link status stops MonitorTimer before it reads: a "CQ from" or "ARQ
// Call to" announcement still pending must not later replace the link's text
// with the standby text.

Task<> StatusHandlers::linked() {
    ctx_.timers.monitorTimer().stop();
    const std::string call = co_await readCallText();
    auto& link = ctx_.link;
    link.savedOperatingMode = link.operatingMode;
    ctx_.surface.setPanel(panel::Link, "Linked to " + call);
    if (rules_.linkedSwitchesAllToolbars)
        switchAllArqLinkButtons();
    else
        switchQuoralLinkButtons();
    ctx_.surface.menus().note(MenuEvent::QuoralLinked);
    link.linkedCall = call;
    link.linkUp = true;
    ctx_.sound.beep();
}

void StatusHandlers::switchQuoralLinkButtons() {
    showLinkButtons(ctx_.surface, Toolbar::Quoral, LinkSituation::QuoralLinked);
    ctx_.surface.setCaption(Control::QuoralCallCq, "Call CQ");
}

void StatusHandlers::switchAllArqLinkButtons() {
    showLinkButtons(ctx_.surface, kArqToolbars, LinkSituation::QuoralLinked);
    enable(Control::AsciiFoxes, true);
    captionOn(kArqToolbars, ButtonRole::CallCq, "Call CQ");
}

Task<> StatusHandlers::amtor476Link() {
    ctx_.timers.monitorTimer().stop();
    co_await readDiscarded(1);
    auto& link = ctx_.link;
    link.savedOperatingMode = link.operatingMode;
    link.operatingMode = OperatingMode::Amtor;
    ctx_.session.setEndOfLine(ctx_.settings.A_EndOfLine, EndOfLineWords::All);
    ctx_.surface.setPanel(panel::Mode, "AMTOR");
    ctx_.surface.setPanel(panel::Link, "476 Link");
    showLinkButtons(ctx_.surface, kTorToolbars, LinkSituation::TorLinked);
    ctx_.surface.menus().note(MenuEvent::TorLinked);
    link.linkedCall.clear();
    link.linkUp = true;
    ctx_.sound.beep();
}

Task<> StatusHandlers::amtor625Link() {
    // The modem must finish the call text within CommandTimer's interval.
    if (rules_.watchdogOnLinkCallText) ctx_.timers.commandTimer().start();
    ctx_.timers.monitorTimer().stop();
    const std::string call = co_await readCallText();
    ctx_.surface.setPanel(panel::Link, "625 link to " + call);
    showLinkButtons(ctx_.surface, Toolbar::Amtor, LinkSituation::TorLinked);
    if (rules_.amtor625EnablesPModeForcedOver) enable(Control::PModeForcedOver, true);
    ctx_.surface.menus().note(MenuEvent::Amtor625Linked);
    ctx_.link.linkedCall = call;
    ctx_.link.linkUp = true;
    ctx_.sound.beep();
}

Task<> StatusHandlers::pmodeLink() {
    if (rules_.watchdogOnLinkCallText) ctx_.timers.commandTimer().start();
    ctx_.timers.monitorTimer().stop();
    const std::string call = co_await readCallText();
    auto& link = ctx_.link;
    link.savedOperatingMode = link.operatingMode;
    link.operatingMode = OperatingMode::PMode;
    ctx_.session.setEndOfLine(ctx_.settings.P_EndOfLine, EndOfLineWords::CrAndCrLfOnly);
    ctx_.surface.setPanel(panel::Mode, "P-Mode");
    ctx_.surface.setPanel(panel::Link, "Linked to " + call);
    showLinkButtons(ctx_.surface, kTorToolbars, LinkSituation::TorLinked);
    ctx_.surface.menus().note(MenuEvent::TorLinked);
    link.linkedCall = call;
    link.linkUp = true;
    if (rules_.pmodeLinkTone)
        ctx_.sound.tone(800, 1000);
    else
        ctx_.sound.beep();
}

} // namespace orvane
