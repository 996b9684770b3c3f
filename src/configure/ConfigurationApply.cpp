#include "configure/ConfigurationApply.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "configure/HereIsMessages.h"
#include "configure/PrintSquelch.h"
#include "configure/ShortSequence.h"
#include "configure/TakeIntoSettings.h"
#include "modes/FskSteps.h"
#include "modes/ModeSetupRunner.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "modes/TerminalModeState.h"
#include "platform/Prompter.h"
#include "protocol/AudioLevel.h"
#include "protocol/link/LinkState.h"

namespace orvane {
namespace {

bool isFskMode(OperatingMode mode) {
    return mode == OperatingMode::Baudot || mode == OperatingMode::Ascii;
}

} // namespace

void ConfigurationApply::beforeShowing() {
    if (isFskMode(env_.mode.link.operatingMode)) sendCommand(env_.mode, CommandCode::MODE_FSK_PREP);
}

void ConfigurationApply::returnToFskMode(ModeContext& context) {
    const OperatingMode mode = context.link.operatingMode;
    if (mode == OperatingMode::Baudot) sendCommand(context, CommandCode::MODE_BAUDOT);
    if (mode == OperatingMode::Ascii) sendCommand(context, CommandCode::MODE_ASCII);
}

void ConfigurationApply::takeIntoSettings(const ConfigDialogValues& values) {
    ModeContext& context = env_.mode;
    takeDialogValues(values, context.settings, hasTransmitLevel(context.hardwareVersion),
                     context.psk31, context.crcMask);
}

// The settings change at once; what the modem is told goes as one sequence,
// behind any set-up that is still running.
void ConfigurationApply::ApplyConfiguration(const ConfigDialogValues& values) {
    takeIntoSettings(values);
    writeMessage(values.messages);
    env_.configChanged.set();
    env_.setups.runAsOneSequence("configuration apply", [this, values](ModeContext& context) {
        applyShared(context, values);
        applyModeDisplays(context, values);
        runModeSequence(context);
        returnToFskMode(context);
    });
}

void ConfigurationApply::applyShared(ModeContext& context, const ConfigDialogValues& values) {
    const Settings& settings = context.settings;
    LinkState& link = context.link;
    const GeneralValues& general = values.general;
    const SettingControls& shown = values.settings;

    sendCommand(context, CommandCode::SCAN_CONTROL,
                shown.shows(&Settings::ScanControl, "CONT") ? 0 : 1);
    sendCommand(context,
                shown.shows(&Settings::CWID, "ON") ? CommandCode::CWID_ON : CommandCode::CWID_OFF);

    sendCommand(context, general.listenOn ? CommandCode::LISTEN_ON : CommandCode::LISTEN_OFF);
    link.listenMode = general.listenOn ? ListenMode::Listening : ListenMode::Standby;
    if (!isFskMode(link.operatingMode) && !link.linkUp)
        context.surface.setPanel(panel::Link, link.standbyText());

    sendAudioLevels(context);

    if (values.comPortChanged)
        env_.prompter.message(
            "Information", "Changes in COM Port will not take effect until program is restarted.",
            PromptIcon::Information, PromptButtons::Ok);

    applyPrintSquelch(context, shown);
    sendCommand(context,
                settings.FSKPol == "NORM" ? CommandCode::FSK_POL_NORM : CommandCode::FSK_POL_REV);
}

void ConfigurationApply::applyPrintSquelch(ModeContext& context, const SettingControls& shown) {
    const int level = shown.number(&Settings::PrintSquelchSetting);
    env_.printSquelchForm.showPrintSquelchLevel(level);
    if (isFskMode(context.link.operatingMode))
        PrintSquelchApply(context, level, shown.shows(&Settings::PrintSquelchEnable, "ON"));
    else
        hidePrintSquelchMarkers(context);
}

// The current mode's page also changes the main window at once: its
// transmit-enable button, the text-entry mode with panel 6, and in Baudot
// the polarity.
void ConfigurationApply::applyModeDisplays(ModeContext& context, const ConfigDialogValues& values) {
    const Settings& s = context.settings;
    const SettingControls& shown = values.settings;
    auto show = [&](Control button, bool enabled, const std::string& textEntry) {
        showTransmitEnable(context, button, enabled);
        applyTextEntry(context, textEntry);
        context.surface.setPanel(panel::Entry, textEntry);
    };
    switch (context.link.operatingMode) {
    case OperatingMode::Quoral:
        show(Control::QuoralTxEnable, shown.shows(&Settings::TXEnable, "EN"), s.TextEntry);
        return;
    case OperatingMode::Amtor:
        show(Control::AmtorTxEnable, shown.shows(&Settings::A_TXEnable, "ON"), s.A_TextEntry);
        return;
    case OperatingMode::Baudot:
        show(Control::BaudotTxEnable, shown.shows(&Settings::B_TXEnable, "ON"), s.B_TextEntry);
        // Polarity too, the button with its caption; the receive polarity
        // waits for the set-up.
        applyModePolarity(context, s.B_Polarity, {Control::BaudotNormRev, false});
        context.surface.setCaption(Control::BaudotNormRev,
                                   shown.shows(&Settings::B_Polarity, "NORM") ? "Normal"
                                                                              : "Reverse");
        return;
    case OperatingMode::Ascii:
        show(Control::AsciiTxEnable, shown.shows(&Settings::S_TXEnable, "ON"), s.S_TextEntry);
        return;
    case OperatingMode::PMode:
        show(Control::PModeTxEnable, shown.shows(&Settings::P_TXEnable, "ON"), s.P_TextEntry);
        return;
    case OperatingMode::Psk31:
        show(Control::Psk31TxEnable, values.psk31.txEnable, context.psk31.textEntry);
        return;
    default: return;
    }
}

void ConfigurationApply::writeMessage(const MessageValues& messages) {
    // A message that cannot be written is left as it was, without a word.
    if (messages.hereIsEdited)
        saveHereIsMessage(env_.mode.messageDirectory, messages.hereIsNumber, messages.hereIs);
}

void ConfigurationApply::runModeSequence(ModeContext& context) {
    const LinkState& link = context.link;
    const bool rerun = !link.txActive && !isBroadcast(link.operatingMode) &&
                       (link.linkUp || context.terminal.txEnabled);
    if (!rerun) {
        sendShortSequence(context);
        return;
    }
    if (link.operatingMode != OperatingMode::Psk31) setupForMode(context, link.operatingMode);
}

} // namespace orvane
