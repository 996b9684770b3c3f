#include "config/dialog/DialogOpening.h"

#include "config/Settings.h"
#include "config/dialog/CallSignList.h"
#include "config/dialog/FactoryDefaults.h"
#include "config/dialog/FskSettingsFields.h"
#include "config/dialog/InputRules.h"
#include "modes/WordCompare.h"
#include "protocol/AudioLevel.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace orvane {
namespace {

bool is(std::string_view word, std::string_view expected) {
    return sameWordIgnoringCase(word, expected);
}

// The button of `word` among `choices`, in the choices' own spelling; the
// group keeps its button for any other word.
void chooseWord(std::string& choice, std::string_view word,
                std::initializer_list<std::string_view> choices) {
    for (std::string_view candidate : choices)
        if (is(word, candidate)) {
            choice = std::string(candidate);
            return;
        }
}

void chooseTextEntry(std::string& choice, std::string_view word) {
    chooseWord(choice, word, {"WORD", "CHAR", "LINE"});
}

void chooseFourEndOfLines(std::string& choice, std::string_view word) {
    chooseWord(choice, word, {"CR LF LTRS", "CR", "CR CR LF", "CR LF"});
}

// The tone edits show the stored tones; Center and Shift follow and go back
// into the settings.
void fillTones(ToneValues& tones, int first, int second, int& center, int& shift) {
    tones.first = std::to_string(first);
    tones.second = std::to_string(second);
    updateToneLabels(tones);
    center = tones.center;
    shift = tones.shift;
}

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

void fillGeneral(GeneralValues& general, Settings& settings, const OpeningFacts& facts) {
    general.scanControlCont = is(settings.ScanControl, "CONT");
    general.cwidOn = is(settings.CWID, "ON");
    general.echoAsSentOn = is(settings.EchoEnable, "ON");
    general.printerOn = is(settings.Printer, "ON");
    general.ports = facts.ports;
    general.port = portEntryFor(facts.ports, settings.PortName);
    general.listenOn = facts.listening;
    fillGains(general, settings, facts.hardwareVersion);
    general.statusBarOn = settings.StatusBar;
    general.printSquelchLevel = std::clamp(settings.PrintSquelchSetting, 0, 99);
    general.printSquelchOn = is(settings.PrintSquelchEnable, "ON");
    general.fskPolarityNormal = is(settings.FSKPol, "NORM");
    general.versions = facts.versions;
}

void fillQuoral(QuoralValues& quoral, const Settings& settings) {
    chooseTextEntry(quoral.textEntry, settings.TextEntry);
    quoral.endOfLineCr = is(settings.EndOfLine, "CR");
    quoral.txEnable = is(settings.TXEnable, "EN");
    quoral.afChannel = settings.AFChannel >= 1 && settings.AFChannel <= 3 ? settings.AFChannel : 4;
    chooseWord(quoral.fecModulation, settings.FECMod,
               {"BPSM", "QPSM", "8PSM", "8P2A", "16P4A", "2DPSM"});
    quoral.codeEfficiencyLabel = std::to_string(settings.FECCodeEff) + "%";
    quoral.blockSizeLabel = std::to_string(settings.FECBlockSize);
    chooseWord(quoral.autoBias, settings.AutoBias, {"NORMAL", "ROBUST", "FAST", "FASTEST"});
    quoral.connectNormal = is(settings.ConnectBias, "NORMAL");
    quoral.normalRetries = std::to_string(settings.NormalRetry);
    quoral.robustRetries = std::to_string(settings.RobustRetry);
    quoral.failRetries = std::to_string(settings.FailRetry);
    quoral.chatCount = std::to_string(settings.ChatCount);
}

// In the current mode the Transmit buttons show the mode's transmit-enable
// button; in the others the stored word.
bool transmitShown(std::string_view word, OperatingMode pageMode, const OpeningFacts& facts) {
    return baseMode(facts.mode) == pageMode ? facts.txEnabled : is(word, "ON");
}

// What the Baudot and ASCII pages show alike.
template <class FskValues>
void fillFsk(FskValues& page, const FskSettingsFields& s, OperatingMode mode, const OpeningFacts& facts) {
    page.txEnable = transmitShown(s.txEnable, mode, facts);
    chooseTextEntry(page.textEntry, s.textEntry);
    page.polarityNormal = is(s.polarity, "NORM");
    page.syncIdleOn = is(s.syncIdle, "ON");
    page.rate = std::to_string(s.rate);
    page.pttOn = std::to_string(s.pttOn);
    page.pttOff = std::to_string(s.pttOff);
}

void fillModePages(ConfigDialogValues& values, Settings& s, const OpeningFacts& facts) {
    AmtorValues& amtor = values.amtor;
    amtor.txEnable = transmitShown(s.A_TXEnable, OperatingMode::Amtor, facts);
    chooseTextEntry(amtor.textEntry, s.A_TextEntry);
    amtor.polarityNormal = is(s.A_Polarity, "NORM");
    chooseFourEndOfLines(amtor.endOfLine, s.A_EndOfLine);
    amtor.wruOn = is(s.A_WRU, "ON");
    amtor.letterCaseUpper = s.A_LetterCase == 'U';
    amtor.timeOut = std::to_string(s.A_TimeOut);
    amtor.td = std::to_string(s.A_TD);
    amtor.cd = std::to_string(s.A_CD);
    fillTones(amtor.tones, s.AMTORMark, s.AMTORSpace, s.AMTORCenter, s.AMTORShift);

    PModeValues& pmode = values.pmode;
    pmode.txEnable = transmitShown(s.P_TXEnable, OperatingMode::PMode, facts);
    chooseTextEntry(pmode.textEntry, s.P_TextEntry);
    pmode.endOfLineCrLf = !is(s.P_EndOfLine, "CR");
    pmode.huffmanOn = is(s.P_Huffman, "ON");
    const std::array<int, 7> delays{s.P_CSDelay, s.P_MaxDown,   s.P_MaxUp,     s.P_MaxTry,
                                    s.P_MaxError, s.P_MaxARQSum, s.P_FECRepeats};
    for (std::size_t i = 0; i < delays.size(); ++i)
        pmode.delays[i] = std::to_string(delays[i]);
    fillTones(pmode.tones, s.PMODEFREQ1, s.PMODEFREQ2, s.PMODECenter, s.PMODEShift);

    BaudotValues& baudot = values.baudot;
    fillFsk(baudot, baudotFields(s), OperatingMode::Baudot, facts);
    chooseFourEndOfLines(baudot.endOfLine, s.B_EndOfLine);
    baudot.usosOn = is(s.B_USOS, "ON");
    baudot.codeUs = is(s.B_CodeType, "US");
    fillTones(baudot.tones, s.BAUDOTMark, s.BAUDOTSpace, s.BAUDOTCenter, s.BAUDOTShift);

    AsciiValues& ascii = values.ascii;
    fillFsk(ascii, asciiFields(s), OperatingMode::Ascii, facts);
    chooseWord(ascii.endOfLine, s.S_EndOfLine, {"CR", "CR LF"});
    fillTones(ascii.tones, s.ASCIIMark, s.ASCIISpace, s.ASCIICenter, s.ASCIIShift);
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

void showFactoryDefaults(ConfigDialogValues& values, Settings& settings, const OpeningFacts& facts) {
    setFactoryDefaults(settings);
    GeneralValues& general = values.general;
    general.scanControlCont = true;
    general.cwidOn = false;
    general.echoAsSentOn = true;
    general.printerOn = false;
    QuoralValues& quoral = values.quoral;
    quoral.textEntry = "WORD";
    quoral.endOfLineCr = false;
    quoral.txEnable = baseMode(facts.mode) == OperatingMode::Quoral ? facts.txEnabled : true;
    quoral.afChannel = 4;
    fillModePages(values, settings, facts);
    fillCallSigns(values.messages, settings);
    values.messages.hereIs.clear();
}

void fillDialogValues(ConfigDialogValues& values, Settings& settings, const OpeningFacts& facts) {
    fillGeneral(values.general, settings, facts);
    fillQuoral(values.quoral, settings);
    fillModePages(values, settings, facts);
    fillCallSigns(values.messages, settings);
    values.messages.hereIsNumber = "0";
    values.messages.hereIsEdited = false;
    values.activePage = pageOfMode(facts.mode);
    values.editLocked = facts.linkUp || facts.txActive || isBroadcast(facts.mode);
    values.callSignsEnabled = !facts.linkUp;
    values.comPortChanged = false;
}

void updateToneLabels(ToneValues& tones) {
    const long long first = leadingNumber(tones.first);
    const long long second = leadingNumber(tones.second);
    tones.center = static_cast<int>(std::llabs(first + second) / 2);
    tones.shift = static_cast<int>(std::min<long long>(std::llabs(second - first), INT32_MAX));
}

int fecBlockSize(std::string_view modulation) {
    if (modulation == "BPSM" || modulation == "QPSM") return 85;
    if (modulation == "8PSM" || modulation == "8P2A" || modulation == "16P4A") return 255;
    if (modulation == "2DPSM") return 51;
    return 0;
}

void updateFecLabels(QuoralValues& quoral) {
    const int blockSize = fecBlockSize(quoral.fecModulation);
    if (blockSize == 0) return;
    quoral.codeEfficiencyLabel = "60%";
    quoral.blockSizeLabel = std::to_string(blockSize);
}

std::vector<std::string> rxGainItems(std::string_view hardwareVersion) {
    if (!hasTransmitLevel(hardwareVersion)) return {"+0dB", "+6dB", "+12dB"};
    return {"-12dB", "-9dB", "-6dB", "-3dB", "+0dB", "+3dB", "+6dB", "+9dB", "+12dB"};
}

std::vector<std::string> txGainItems(std::string_view hardwareVersion) {
    if (!hasTransmitLevel(hardwareVersion)) return {};
    return {"-36dB", "-30dB", "-24dB", "-18dB", "-12dB", "-9dB", "-6dB", "-3dB", "+0dB"};
}

std::string pageOfMode(OperatingMode mode) {
    switch (mode) {
    case OperatingMode::Quoral: return page::Quoral;
    case OperatingMode::Amtor: return page::Amtor;
    case OperatingMode::PMode: return page::PMode;
    case OperatingMode::Baudot: return page::Baudot;
    case OperatingMode::Ascii: return page::Ascii;
    default: return page::General;
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
