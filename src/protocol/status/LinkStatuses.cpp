// The statuses that bring a link up.
#include "platform/Sound.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/ConsoleActivities.h"
#include "protocol/status/StatusHandlers.h"

namespace orvane {

namespace {
constexpr std::array<Toolbar, 1> kAmtorToolbar{Toolbar::Amtor};
} // namespace

// Every link status stops MonitorTimer before it reads: a "CQ from" or "ARQ
// Call to" announcement still pending must not later replace the link's text
// with the standby text.

Task<> StatusHandlers::linked() {
    ctx_.timers.monitorTimer().stop();
    const std::string call = co_await readCallText();
    auto& link = ctx_.link;
    link.savedOperatingMode = link.operatingMode;
    enable("mnuSpecialTest", false);
    ctx_.surface.setPanel(panel::Link, "Linked to " + call);
    if (rules_.linkedSwitchesAllToolbars)
        switchAllArqLinkButtons();
    else
        switchQuoralLinkButtons();
    enable("mnuFilesSendBinaryFile", true);
    enable("mnuFilesSendtextfile", true);
    enable("mnuCode", false);
    link.linkedCall = call;
    link.linkUp = true;
    ctx_.sound.beep();
}

void StatusHandlers::switchQuoralLinkButtons() {
    enable("butQORDisconnect", true);
    enable("butQORConnect", false);
    enable("butQORPanic", true);
    enable("butQORFoxes", true);
    enable("butQORFEC", false);
    enable("butQORCallCQ", false);
    ctx_.surface.setCaption("butQORCallCQ", "Call CQ");
}

void StatusHandlers::switchAllArqLinkButtons() {
    enableOn(kArqToolbars, "Disconnect", true);
    enableOn(kArqToolbars, "Panic", true);
    enableOn(kArqToolbars, "Connect", false);
    enableOn(kArqToolbars, "Foxes", true);
    enable("butAsciiFoxes", true);
    enableOn(kArqToolbars, "FEC", false);
    enableOn(kTorToolbars, "Over", false);
    enableOn(kArqToolbars, "CallCQ", false);
    for (const auto toolbar : kArqToolbars)
        ctx_.surface.setCaption(button(toolbar, "CallCQ"), "Call CQ");
}

Task<> StatusHandlers::amtor476Link() {
    ctx_.timers.monitorTimer().stop();
    co_await readDiscarded(1);
    auto& link = ctx_.link;
    link.savedOperatingMode = link.operatingMode;
    link.operatingMode = OperatingMode::Amtor;
    ctx_.activities.setEndOfLine(ctx_.settings.A_EndOfLine, EndOfLineWords::All);
    enable("mnuSpecialTest", false);
    ctx_.surface.setPanel(panel::Mode, "AMTOR");
    ctx_.surface.setPanel(panel::Link, "476 Link");
    showLinkedControls(kTorToolbars);
    enable("mnuFilesSendtextfile", true);
    enable("mnuCode", false);
    enable("mnuConfigure", true);
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
    showLinkedControls(kAmtorToolbar);
    if (rules_.amtor625EnablesPModeForcedOver) enable("butPModeForcedOver", true);
    enable("mnuFilesSendtextfile", true);
    enable("mnuCode", false);
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
    ctx_.activities.setEndOfLine(ctx_.settings.P_EndOfLine,
                                 EndOfLineWords::CrAndCrLfOnly);
    enable("mnuSpecialTest", false);
    ctx_.surface.setPanel(panel::Mode, "P-Mode");
    ctx_.surface.setPanel(panel::Link, "Linked to " + call);
    showLinkedControls(kTorToolbars);
    enable("mnuFilesSendtextfile", true);
    enable("mnuCode", false);
    link.linkedCall = call;
    link.linkUp = true;
    if (rules_.pmodeLinkTone)
        ctx_.sound.tone(800, 1000);
    else
        ctx_.sound.beep();
}

void StatusHandlers::showLinkedControls(std::span<const Toolbar> toolbars) {
    enableOn(toolbars, "Disconnect", true);
    enableOn(toolbars, "Connect", false);
    enableOn(toolbars, "Panic", true);
    enableOn(toolbars, "Foxes", true);
    enableOn(toolbars, "FEC", false);
    enableOn(toolbars, "Over", true);
    enableOn(toolbars, "ForcedOver", true);
}

} // namespace orvane
