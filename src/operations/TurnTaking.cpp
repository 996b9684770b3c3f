#include "operations/TurnTaking.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "modes/TerminalModeState.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"

#include <QStringList>

#include <array>
#include <optional>

namespace orvane {
namespace {

constexpr std::array kTxEnableButtons{Control::AsciiTxEnable,  Control::BaudotTxEnable,
                                      Control::PModeTxEnable,  Control::AmtorTxEnable,
                                      Control::QuoralTxEnable, Control::Psk31TxEnable};
constexpr std::array kRates{45, 50, 57, 75, 100, 110};
constexpr int kImageTxDisabled = 5, kImageTxEnabled = 6, kImageNormal = 7, kImageReverse = 8;

bool overMode(OperatingMode m) {
    return m == OperatingMode::Amtor || m == OperatingMode::PMode;
}

} // namespace

RttyRate nextRttyRate(int rate) {
    for (std::size_t i = 0; i + 1 < kRates.size(); ++i)
        if (kRates[i] == rate) return {kRates[i + 1], static_cast<int>(i + 1)};
    return {kRates[0], 0};
}

void TurnTaking::showOverBox(const char* text) {
    ctx_.surface.setCaption(Control::OverBox, text);
    timers_.startTransientPanel(Control::OverBox, 1000);
}

void TurnTaking::overFromKey() {
    ctx_.txPane.insertAtCaret(QStringLiteral("+?\n"));
    if (ctx_.txPane.isEmpty()) showOverBox(" OVER ");
}

void TurnTaking::butOverClick() {
    if (overMode(ctx_.link.operatingMode))
        ctx_.txPane.appendLines({QStringLiteral("+?"), QString()}); // a finished line
    if (ctx_.txPane.isEmpty()) showOverBox(" OVER ");
}

void TurnTaking::butForcedOverClick() {
    if (!overMode(ctx_.link.operatingMode) || ctx_.link.issIrs != IssIrs::Irs) return;
    forcedOver();
}

void TurnTaking::forcedOver() {
    // Ahead of everything queued; what is queued stays queued.
    ctx_.line.sendImmediate("\x80\x87");
    showOverBox(" Forced OVER ");
}

void TurnTaking::showTxEnabled(Control button, bool enabled) {
    ctx_.surface.setButtonImage(button, enabled ? kImageTxEnabled : kImageTxDisabled);
    ctx_.surface.setCaption(button, enabled ? "TX EN " : "TX DIS");
}

void TurnTaking::toggleTxEnabledFromKey(bool withAscii) {
    const bool enable = !terminal_.txEnabled;
    for (Control button : kTxEnableButtons) {
        if (button == Control::Psk31TxEnable || (!withAscii && button == Control::AsciiTxEnable))
            continue;
        showTxEnabled(button, enable);
    }
    terminal_.txEnabled = enable;
}

void TurnTaking::butTXEnableClick() {
    const OperatingMode mode = ctx_.link.operatingMode;
    const Settings& s = ctx_.settings;
    const bool syncIdle = (mode == OperatingMode::Baudot && s.B_SyncIdle == "ON") ||
                          (mode == OperatingMode::Ascii && s.S_SyncIdle == "ON");
    const bool enable = !terminal_.txEnabled;
    if (syncIdle)
        ctx_.line.sendCommand(
            command(enable ? CommandCode::SYNC_IDLE_ON : CommandCode::SYNC_IDLE_OFF));
    for (Control button : kTxEnableButtons)
        showTxEnabled(button, enable);
    terminal_.txEnabled = enable;
}

void TurnTaking::butNormRevClick() {
    Settings& s = ctx_.settings;
    std::string* polarity = nullptr;
    std::optional<Control> button;
    switch (ctx_.link.operatingMode) {
    case OperatingMode::Amtor: polarity = &s.A_Polarity, button = Control::AmtorNormRev; break;
    case OperatingMode::Baudot: polarity = &s.B_Polarity, button = Control::BaudotNormRev; break;
    case OperatingMode::Ascii: polarity = &s.S_Polarity, button = Control::AsciiNormRev; break;
    default: break;
    }
    const bool toReverse = terminal_.polarityNormal;
    terminal_.polarityNormal = !toReverse;
    if (polarity) *polarity = toReverse ? "REV" : "NORM";
    if (button) {
        ctx_.surface.setButtonImage(*button, toReverse ? kImageReverse : kImageNormal);
        ctx_.surface.setCaption(*button, toReverse ? "Reverse" : "Normal ");
    }
    ctx_.surface.setPanel(panel::Format, toReverse ? "REV" : "NORM");
    ctx_.line.sendCommand(command(toReverse ? CommandCode::POL_REV : CommandCode::POL_NORM));
    ctx_.line.sendCommand(
        command(s.RXPolaritySameAsTX ? CommandCode::RXPOL_SAME_ON : CommandCode::RXPOL_SAME_OFF));
}

void TurnTaking::togglePolarityFromKey() {
    butNormRevClick();
    ctx_.configChanged.set();
}

void TurnTaking::butMonitorClick() {
    const OperatingMode mode = ctx_.link.operatingMode;
    if (mode == OperatingMode::Baudot || mode == OperatingMode::Ascii) {
        const bool baudot = mode == OperatingMode::Baudot;
        std::string& syncIdle = baudot ? ctx_.settings.B_SyncIdle : ctx_.settings.S_SyncIdle;
        const bool turnOn = syncIdle != "ON";
        syncIdle = turnOn ? "ON" : "OFF";
        ctx_.line.sendCommand(
            command(turnOn ? CommandCode::SYNC_IDLE_ON : CommandCode::SYNC_IDLE_OFF));
        ctx_.surface.setCaption(baudot ? Control::BaudotMonitor : Control::AsciiMonitor,
                                turnOn ? "ON" : "OFF");
        ctx_.surface.setPanel(panel::Rate, turnOn ? "SYNC" : "");
        ctx_.configChanged.set();
        return;
    }
    const bool listen = ctx_.link.listenMode != ListenMode::Listening;
    ctx_.line.sendCommand(command(listen ? CommandCode::LISTEN_ON : CommandCode::LISTEN_OFF));
    ctx_.link.listenMode = listen ? ListenMode::Listening : ListenMode::Standby;
    ctx_.surface.setPanel(panel::Link, listen ? "STBY-LISTEN" : "STBY");
}

void TurnTaking::butRttyRateClick() {
    const OperatingMode mode = ctx_.link.operatingMode;
    if (mode != OperatingMode::Baudot && mode != OperatingMode::Ascii) return;
    const bool baudot = mode == OperatingMode::Baudot;
    int& rate = baudot ? ctx_.settings.B_Rate : ctx_.settings.S_Rate;
    const RttyRate next = nextRttyRate(rate);
    rate = next.baud;
    ctx_.line.sendCommand(
        command(baudot ? CommandCode::BAUDOT_RATE : CommandCode::ASCII_RATE, {next.index}));
    const std::string shown = std::to_string(next.baud);
    ctx_.surface.setPanel(panel::Link, shown);
    ctx_.surface.setCaption(baudot ? Control::BaudotRttyRate : Control::AsciiRttyRate, shown);
    ctx_.configChanged.set();
}

} // namespace orvane
