#include "configure/DialogOpening.h"

#include "config/Settings.h"
#include "configure/CallSignList.h"
#include "configure/ToneLabels.h"
#include "protocol/AudioLevel.h"

#include <algorithm>
#include <optional>

namespace orvane {
namespace {

std::optional<std::string> rxTextOfCode(int code) {
    for (const GainRow& row : gainTable())
        if (row.receiveCode == code) return std::string(row.text);
    return std::nullopt;
}

std::optional<std::string> txTextOfCode(int code) {
    for (const GainRow& row : gainTable())
        if (row.transmitCode && *row.transmitCode == code) return std::string(row.text);
    return std::nullopt;
}

bool listed(const std::vector<std::string>& items, const std::optional<std::string>& text) {
    return text && std::find(items.begin(), items.end(), *text) != items.end();
}

void fillGains(GeneralValues& general, Settings& settings, std::string_view hardwareVersion) {
    general.rxGainItems = rxGainItems(hardwareVersion);
    general.txGainItems = txGainItems(hardwareVersion);
    general.txGainShown = hasTransmitLevel(hardwareVersion);
    // A code the list cannot show is replaced by the list's usual level.
    if (auto text = rxTextOfCode(settings.RXGain); listed(general.rxGainItems, text)) {
        general.rxGain = *text;
    } else {
        general.rxGain = "+0dB";
        settings.RXGain = 1;
    }
    if (!general.txGainShown) return;
    if (auto text = txTextOfCode(settings.TXGain); listed(general.txGainItems, text)) {
        general.txGain = *text;
    } else {
        general.txGain = "-9dB";
        settings.TXGain = 37;
    }
}

// The pages whose Transmit buttons show the mode's transmit-enable button
// while that mode is on; the other pages show the stored word.
struct TransmitButtons {
    OperatingMode mode;
    std::string Settings::*field;
};
constexpr TransmitButtons kLiveTransmitButtons[] = {
    {OperatingMode::Amtor, &Settings::A_TXEnable},
    {OperatingMode::PMode, &Settings::P_TXEnable},
    {OperatingMode::Baudot, &Settings::B_TXEnable},
    {OperatingMode::Ascii, &Settings::S_TXEnable},
};

void showLiveTransmitEnable(SettingControls& controls, const OpeningFacts& facts) {
    for (const TransmitButtons& page : kLiveTransmitButtons)
        if (baseMode(facts.mode) == page.mode)
            controls.text(page.field) = facts.txEnabled ? "ON" : "OFF";
}

void fillCallSigns(MessageValues& messages, const Settings& settings) {
    messages.myCall = settings.MYCALL;
    messages.myCall476 = settings.MYCALL476;
    messages.myCall625 = settings.MYCALL625;
    messages.groupCall = settings.GROUPCALL;
    messages.hisCallItems = splitCallList(settings.HISCALLLIST);
    messages.hisCall = settings.HISCALL;
    messages.hisCall476Items = splitCallList(settings.HISCALL476LIST);
    messages.hisCall476 = settings.HISCALL476;
}

} // namespace

void showFactoryDefaults(ConfigDialogValues& values, Settings& settings,
                         const OpeningFacts& facts) {
    setFactoryValues(settings);
    showSettings(values.settings, settings, ControlsShown::RefreshedByDefaults);
    showToneLabels(values.settings, settings);
    showLiveTransmitEnable(values.settings, facts);
    const bool quoralTransmits =
        baseMode(facts.mode) == OperatingMode::Quoral ? facts.txEnabled : true;
    values.settings.text(&Settings::TXEnable) = quoralTransmits ? "EN" : "OFF";
    fillCallSigns(values.messages, settings);
    values.messages.hereIs.clear();
}

void fillDialogValues(ConfigDialogValues& values, Settings& settings, const OpeningFacts& facts) {
    showSettings(values.settings, settings, ControlsShown::All);
    showToneLabels(values.settings, settings);
    showLiveTransmitEnable(values.settings, facts);
    GeneralValues& general = values.general;
    general.ports = facts.ports;
    general.port = portEntryFor(facts.ports, settings.PortName);
    general.listenOn = facts.listening;
    fillGains(general, settings, facts.hardwareVersion);
    general.versions = facts.versions;
    fillCallSigns(values.messages, settings);
    values.messages.hereIsNumber = "0";
    values.messages.hereIsEdited = false;
    values.activePage = pageOfMode(facts.mode);
    values.editLocked = facts.linkUp || facts.txActive || isBroadcast(facts.mode);
    values.callSignsEnabled = !facts.linkUp;
    values.comPortChanged = false;
}

int fecBlockSize(std::string_view modulation) {
    if (modulation == "BPSM" || modulation == "QPSM") return 85;
    if (modulation == "8PSM" || modulation == "8P2A" || modulation == "16P4A") return 255;
    if (modulation == "2DPSM") return 51;
    return 0;
}

void updateFecLabels(SettingControls& controls) {
    const int blockSize = fecBlockSize(controls.text(&Settings::FECMod));
    if (blockSize == 0) return;
    controls.text(&Settings::FECCodeEff) = "60";
    controls.text(&Settings::FECBlockSize) = std::to_string(blockSize);
}

std::vector<std::string> rxGainItems(std::string_view hardwareVersion) {
    if (!hasTransmitLevel(hardwareVersion)) return {"+0dB", "+6dB", "+12dB"};
    return {"-12dB", "-9dB", "-6dB", "-3dB", "+0dB", "+3dB", "+6dB", "+9dB", "+12dB"};
}

std::vector<std::string> txGainItems(std::string_view hardwareVersion) {
    if (!hasTransmitLevel(hardwareVersion)) return {};
    return {"-36dB", "-30dB", "-24dB", "-18dB", "-12dB", "-9dB", "-6dB", "-3dB", "+0dB"};
}

Control pageOfMode(OperatingMode mode) {
    switch (mode) {
    case OperatingMode::Quoral: return Control::DialogQuoralPage;
    case OperatingMode::Amtor: return Control::DialogAmtorPage;
    case OperatingMode::PMode: return Control::DialogPModePage;
    case OperatingMode::Baudot: return Control::DialogBaudotPage;
    case OperatingMode::Ascii: return Control::DialogAsciiPage;
    default: return Control::DialogGeneralPage;
    }
}

std::string portEntryFor(const std::vector<PortChoice>& ports, std::string_view portName) {
    std::string bare;
    for (char c : portName)
        if (c != '\\' && c != '.') bare.push_back(c);
    for (const PortChoice& port : ports)
        if (port.name == bare) return port.name;
    return {};
}

} // namespace orvane
