#include "operations/broadcast/Broadcasts.h"

#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "operations/CommandSender.h"
#include "operations/broadcast/BroadcastView.h"
#include "protocol/CommandBuilders.h"
#include "protocol/QuoralEncodings.h"
#include "protocol/TextCommands.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/LinkButtons.h"
#include "protocol/link/LinkState.h"

#include <string>

namespace orvane {
namespace {

constexpr Control kFecModePanel = Control::FecModePanel;
constexpr Control kGroupCallPanel = Control::GroupCallPanel;
constexpr Control kRatePanel = Control::FecRatePanel;

constexpr int kDisconnectNoticeMs = 1000;
constexpr int kQuoralBroadcastDisconnectNoticeMs = 3500;

} // namespace

void Broadcasts::butFECClick() {
    link_.savedOperatingMode = link_.operatingMode;
    switch (link_.operatingMode) {
    case OperatingMode::Baudot: sender_.send(command(CommandCode::BAUDOT_LTRS)); return;
    case OperatingMode::Quoral: startQuoralBroadcast(); return;
    case OperatingMode::Amtor:
        surface_.showCentredPanel(kFecModePanel);
        view_.focusPanel(kFecModePanel);
        return;
    case OperatingMode::PMode:
        surface_.showCentredPanel(kRatePanel);
        showLinkButtons(surface_, Toolbar::PMode, LinkSituation::UnprotoRateAsked);
        surface_.menus().note(MenuEvent::UnprotoRateAsked);
        return;
    default: return;
    }
}

void Broadcasts::startQuoralBroadcast() {
    const auto modulation = view_.chooseQuoralModulation(settings_.FECMod);
    if (!modulation) return;
    settings_.FECMod = *modulation;
    sender_.send(broadcastWaveform(settings_.FECMod));
    link_.operatingMode = OperatingMode::QuoralBroadcast;
    sender_.send(textCommand(CommandCode::QUORAL_BROADCAST, ""));
    showLinkButtons(surface_, kArqToolbars, LinkSituation::Broadcasting);
    surface_.setPanel(panel::Link, "Broadcast-TX");
    surface_.menus().note(MenuEvent::QuoralBroadcastStarted);
}

void Broadcasts::butFECOKClick() {
    switch (view_.checkedFecMode()) {
    case FecMode::ModeB:
        link_.operatingMode = OperatingMode::AmtorBroadcast;
        sender_.send(textCommand(CommandCode::AMTOR_FEC, ""));
        surface_.setPanel(panel::Link, "FEC-TX");
        startAmtorBroadcast(MenuEvent::FecBroadcastStarted);
        return;
    case FecMode::ModeS:
        surface_.hidePanel(kFecModePanel);
        view_.setGroupCall(settings_.GROUPCALL);
        surface_.showCentredPanel(kGroupCallPanel);
        view_.focusPanel(kGroupCallPanel);
        return;
    case FecMode::Converse:
        link_.operatingMode = OperatingMode::AmtorBroadcast;
        sender_.send(command(CommandCode::AMTOR_CFEC));
        startAmtorBroadcast(MenuEvent::FecBroadcastStarted);
        return;
    case FecMode::None: return;
    }
}

void Broadcasts::butFECCancelClick() {
    surface_.hidePanel(kFecModePanel);
    surface_.focusTransmitPane();
}

void Broadcasts::acceptGroupCall() {
    link_.operatingMode = OperatingMode::AmtorBroadcast;
    settings_.GROUPCALL = view_.groupCall();
    sender_.send(amtorSelectiveFec(settings_.GROUPCALL));
    surface_.setPanel(panel::Link, "SELFEC-TX");
    surface_.hidePanel(kGroupCallPanel);
    startAmtorBroadcast(MenuEvent::SelectiveFecStarted);
}

void Broadcasts::cancelGroupCall() {
    surface_.hidePanel(kGroupCallPanel);
    surface_.focusTransmitPane();
}

// The AMTOR toolbar of a broadcast; the selective one leaves no test tones.
void Broadcasts::startAmtorBroadcast(MenuEvent started) {
    surface_.hidePanel(kFecModePanel);
    showLinkButtons(surface_, Toolbar::Amtor, LinkSituation::FecBroadcasting);
    surface_.menus().note(started);
    surface_.focusTransmitPane();
}

void Broadcasts::acceptFecRate() {
    surface_.hidePanel(kRatePanel);
    sender_.send(command(CommandCode::PMODE_UNPROTO_RATE, {view_.unprotoAt200() ? 1 : 0}));
    link_.operatingMode = OperatingMode::PModeUnproto;
    sender_.send(textCommand(CommandCode::PMODE_UNPROTO, ""));
    showLinkButtons(surface_, Toolbar::PMode, LinkSituation::Broadcasting);
    surface_.setPanel(panel::Link, "UNPROTO");
    surface_.menus().note(MenuEvent::UnprotoStarted);
    surface_.focusTransmitPane();
}

void Broadcasts::cancelFecRate() {
    surface_.hidePanel(kRatePanel);
}

bool Broadcasts::isBroadcasting() const {
    return isBroadcast(link_.operatingMode);
}

int Broadcasts::disconnectNoticeMs() const {
    return link_.operatingMode == OperatingMode::QuoralBroadcast
               ? kQuoralBroadcastDisconnectNoticeMs
               : kDisconnectNoticeMs;
}

void Broadcasts::panicEndsAmtorBroadcast() {
    if (link_.operatingMode != OperatingMode::AmtorBroadcast) return;
    showLinkButtons(surface_, Toolbar::Amtor, LinkSituation::BroadcastDropped);
    link_.operatingMode = OperatingMode::Amtor;
    surface_.setPanel(panel::Event, "");
    surface_.setPanel(panel::Link, link_.standbyText());
}

} // namespace orvane
