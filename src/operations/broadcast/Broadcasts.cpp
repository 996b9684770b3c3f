#include "operations/broadcast/Broadcasts.h"

#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "operations/CommandSender.h"
#include "operations/broadcast/BroadcastView.h"
#include "protocol/CommandBuilders.h"
#include "protocol/QuoralEncodings.h"
#include "protocol/TextCommands.h"
#include "protocol/link/LinkState.h"

#include <string>

namespace orvane {
namespace {

constexpr const char* kFecModePanel = "FECModePanel";
constexpr const char* kGroupCallPanel = "GroupCallPanel";
constexpr const char* kRatePanel = "FECRatePanel";
constexpr const char* kTextFileSend = "mnuFilesSendtextfile";
constexpr const char* kTestTones = "mnuSpecialTest";

constexpr int kDisconnectNoticeMs = 1000;
constexpr int kQuoralBroadcastDisconnectNoticeMs = 3500;

} // namespace

void Broadcasts::butFECClick() {
    link_.savedOperatingMode = link_.operatingMode;
    switch (link_.operatingMode) {
    case OperatingMode::Baudot:
        sender_.send(command(CommandCode::BAUDOT_LTRS));
        return;
    case OperatingMode::Quoral:
        startQuoralBroadcast();
        return;
    case OperatingMode::Amtor:
        surface_.showCentredPanel(kFecModePanel);
        view_.focusPanel(kFecModePanel);
        return;
    case OperatingMode::PMode:
        surface_.showCentredPanel(kRatePanel);
        surface_.setEnabled("butPModeCallCQ", true);
        surface_.setEnabled(kTextFileSend, true);
        return;
    default:
        return;
    }
}

void Broadcasts::startQuoralBroadcast() {
    const auto modulation = view_.chooseQuoralModulation(settings_.FECMod);
    if (!modulation) return;
    settings_.FECMod = *modulation;
    sender_.send(broadcastWaveform(settings_.FECMod));
    link_.operatingMode = OperatingMode::QuoralBroadcast;
    sender_.send(textCommand(CommandCode::QUORAL_BROADCAST, ""));
    for (const char* prefix : {"butQOR", "butAmtor", "butPMode"})
        showBroadcastButtons(prefix);
    surface_.setPanel(panel::Link, "Broadcast-TX");
    surface_.setEnabled(kTextFileSend, true);
    surface_.setEnabled("mnuFilesSendBinaryFile", false);
    surface_.setEnabled(kTestTones, false);
}

void Broadcasts::showBroadcastButtons(const char* toolbarPrefix) {
    const std::string prefix(toolbarPrefix);
    surface_.setEnabled(prefix + "Connect", false);
    surface_.setEnabled(prefix + "Disconnect", true);
    surface_.setEnabled(prefix + "Panic", true);
    surface_.setEnabled(prefix + "Foxes", true);
    surface_.setEnabled(prefix + "FEC", false);
}

void Broadcasts::butFECOKClick() {
    switch (view_.checkedFecMode()) {
    case FecMode::ModeB:
        link_.operatingMode = OperatingMode::AmtorBroadcast;
        sender_.send(textCommand(CommandCode::AMTOR_FEC, ""));
        surface_.setPanel(panel::Link, "FEC-TX");
        startAmtorBroadcast(true);
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
        startAmtorBroadcast(true);
        return;
    case FecMode::None:
        return;
    }
}

void Broadcasts::butFECCancelClick() {
    surface_.hidePanel(kFecModePanel);
    surface_.focusTransmitPane();
}

void Broadcasts::Button2Click() {
    link_.operatingMode = OperatingMode::AmtorBroadcast;
    settings_.GROUPCALL = view_.groupCall();
    sender_.send(amtorSelectiveFec(settings_.GROUPCALL));
    surface_.setPanel(panel::Link, "SELFEC-TX");
    surface_.hidePanel(kGroupCallPanel);
    startAmtorBroadcast(false);
}

void Broadcasts::Button17Click() {
    surface_.hidePanel(kGroupCallPanel);
    surface_.focusTransmitPane();
}

// The AMTOR toolbar of a broadcast; the selective one leaves no test tones.
void Broadcasts::startAmtorBroadcast(bool testTonesAfter) {
    surface_.hidePanel(kFecModePanel);
    surface_.setEnabled("butAmtorConnect", false);
    surface_.setEnabled("butAmtorDisconnect", true);
    surface_.setEnabled("butAmtorPanic", true);
    surface_.setEnabled("butAmtorFoxes", true);
    surface_.setEnabled("butAmtorFEC", false);
    surface_.setEnabled("butAmtorCallCQ", true);
    surface_.setEnabled(kTextFileSend, true);
    surface_.setEnabled(kTestTones, testTonesAfter);
    surface_.focusTransmitPane();
}

void Broadcasts::Button7Click() {
    surface_.hidePanel(kRatePanel);
    sender_.send(command(CommandCode::PMODE_UNPROTO_RATE, {view_.unprotoAt200() ? 1 : 0}));
    link_.operatingMode = OperatingMode::PModeUnproto;
    sender_.send(textCommand(CommandCode::PMODE_UNPROTO, ""));
    surface_.setEnabled("butPModeConnect", false);
    surface_.setEnabled("butPModeDisconnect", true);
    surface_.setEnabled("butPModePanic", true);
    surface_.setEnabled("butPModeFoxes", true);
    surface_.setPanel(panel::Link, "UNPROTO");
    surface_.setEnabled("butPModeFEC", false);
    surface_.setEnabled(kTestTones, false);
    surface_.focusTransmitPane();
}

void Broadcasts::Button8Click() {
    surface_.hidePanel(kRatePanel);
}

bool Broadcasts::isBroadcasting() const {
    return isBroadcast(link_.operatingMode);
}

int Broadcasts::disconnectNoticeMs() const {
    return link_.operatingMode == OperatingMode::QuoralBroadcast ? kQuoralBroadcastDisconnectNoticeMs
                                                                 : kDisconnectNoticeMs;
}

void Broadcasts::panicEndsAmtorBroadcast() {
    if (link_.operatingMode != OperatingMode::AmtorBroadcast) return;
    surface_.setEnabled("butAmtorDisconnect", false);
    surface_.setEnabled("butAmtorConnect", true);
    surface_.setEnabled("butAmtorPanic", false);
    link_.operatingMode = OperatingMode::Amtor;
    surface_.setPanel(panel::Event, "");
    surface_.setPanel(panel::Link, link_.standbyText());
}

} // namespace orvane
