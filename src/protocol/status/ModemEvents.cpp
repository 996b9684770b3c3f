// STATE_EVENT and CQ_EVENT: what the modem reports about its own state.
#include "platform/Sound.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkButtons.h"
#include "protocol/link/LinkState.h"
#include "protocol/status/LinkFigures.h"
#include "protocol/status/StatusHandlers.h"

#include <optional>

namespace orvane {

namespace {
struct EventText {
    int event;
    int panel;
    const char* text;
};

// The events that only put a text in a panel.
constexpr EventText kEventTexts[] = {
    {0, panel::Event, ""},
    {1, panel::Event, "TFC"},
    {2, panel::Event, "RQ"},
    {3, panel::Event, "ERR"},
    {4, panel::Event, "PHS"},
    {5, panel::Event, "OVER"},
    {8, panel::Rate, "100"},
    {9, panel::Rate, "200"},
    {10, panel::Format, "HUFFMAN ON"},
    {11, panel::Format, "HUFFMAN OFF"},
    {18, panel::Link, "FEC-TX"},
    {19, panel::Link, "FEC-RX"},
    {20, panel::Link, "FEC-TX"},
    {21, panel::Link, "FREE SIG TX"},
    {22, panel::Link, "FREE SIG TIMEOUT"},
};
} // namespace

// The three ways the modem reports a return to standby.
struct StatusHandlers::StandbyEvent {
    std::optional<std::string> linkText; // none: the standby text
    bool endsCqCall;
    bool closesBinarySend;
};

Task<> StatusHandlers::stateEvent() {
    const auto value = co_await readFixed<1>();
    ctx_.figures.stateEvent(value[0]);
    stateEventEffect(value[0]);
}

void StatusHandlers::stateEventEffect(int event) {
    for (const auto& entry : kEventTexts) {
        if (entry.event != event) continue;
        ctx_.surface.setPanel(entry.panel, entry.text);
        return;
    }
    auto& link = ctx_.link;
    switch (event) {
    case 6:
        ctx_.surface.setPanel(panel::Event, "TX");
        ctx_.surface.menus().note(MenuEvent::Transmitting);
        if (link.operatingMode == OperatingMode::Baudot) enable(Control::BaudotPanic, true);
        if (link.operatingMode == OperatingMode::Ascii) enable(Control::AsciiPanic, true);
        link.txActive = true;
        return;
    case 7:
        ctx_.surface.setPanel(panel::Event, "RX");
        ctx_.surface.menus().note(MenuEvent::Receiving);
        if (link.operatingMode == OperatingMode::Baudot) enable(Control::BaudotPanic, false);
        if (link.operatingMode == OperatingMode::Ascii) enable(Control::AsciiPanic, false);
        link.txActive = false;
        return;
    case 12: return standbyEvent({std::nullopt, true, true});
    case 13:
        ctx_.surface.setPanel(panel::Link, "STBY");
        ctx_.sound.beep();
        return;
    case 14:
        ctx_.surface.setPanel(panel::Station, "ISS");
        for (Control control :
             {Control::BaudotFoxes, Control::AsciiFoxes, Control::AmtorFoxes, Control::PModeFoxes})
            enable(control, true);
        link.issIrs = IssIrs::Iss;
        return;
    case 15:
        ctx_.surface.setPanel(panel::Station, "IRS");
        link.issIrs = IssIrs::Irs;
        return;
    case 16: return standbyEvent({"STBY-LISTEN", true, false});
    case 17: return standbyEvent({"STBY", false, false});
    default: return;
    }
}

void StatusHandlers::standbyEvent(const StandbyEvent& event) {
    auto& link = ctx_.link;
    ctx_.surface.setPanel(panel::Link, event.linkText.value_or(link.standbyText()));
    showLinkButtons(ctx_.surface, kArqToolbars, LinkSituation::StandbyReported);
    // The end of an AMTOR broadcast; the link itself, if any, is untouched.
    if (link.operatingMode == OperatingMode::AmtorBroadcast) {
        link.operatingMode = OperatingMode::Amtor;
        enable(Control::AmtorFoxes, false);
        enable(Control::AmtorCallCq, false);
        ctx_.surface.menus().note(event.closesBinarySend
                                      ? MenuEvent::BroadcastEndedClosingBinarySend
                                      : MenuEvent::BroadcastEnded);
    }
    if (event.endsCqCall) restoreCqButtonsIfCalling();
    clearPanels(panel::Event, panel::Format);
    ctx_.sound.beep();
}

Task<> StatusHandlers::cqEvent() {
    const auto value = co_await readFixed<1>();
    const int event = value[0];
    ctx_.figures.cqEvent(value[0]);
    switch (event) {
    case 0: captionOn(kArqToolbars, ButtonRole::CallCq, "Call CQ"); co_return;
    case 102:
        ctx_.surface.setPanel(panel::Link, "Calling CQ");
        ctx_.link.cqPending = true;
        co_return;
    case 138:
    case 139: ctx_.surface.setPanel(panel::Station, "TXT"); co_return;
    case 140: ctx_.surface.setPanel(panel::Station, "RPT"); co_return;
    case 160: ctx_.surface.setPanel(panel::Station, "IDL"); co_return;
    default: co_return;
    }
}

} // namespace orvane
