#include "config/SettingsKeys.h"

#include "config/GainTable.h"
#include "config/SettingsWords.h"

#include <array>
#include <stdexcept>

namespace orvane {

namespace {

using S = Settings;
using L = ScreenLayout;
using C = KeyConversion;

constexpr std::size_t kCallCapacity = 30;
constexpr std::size_t kSelCallCapacity = 15;
constexpr std::size_t kListCapacity = 1023;

const std::array kKeys{
    SettingsKey{"callsigns", "MYCALL", &S::MYCALL, C::Plain, kCallCapacity},
    SettingsKey{"callsigns", "HISCALL", &S::HISCALL, C::Plain, kCallCapacity},
    SettingsKey{"callsigns", "HISCALLLIST", &S::HISCALLLIST, C::Plain, kListCapacity},
    SettingsKey{"callsigns", "MYCALL476", &S::MYCALL476, C::Plain, kSelCallCapacity},
    SettingsKey{"callsigns", "HISCALL476", &S::HISCALL476, C::Plain, kSelCallCapacity},
    SettingsKey{"callsigns", "HISCALL476LIST", &S::HISCALL476LIST, C::Plain, kListCapacity},
    SettingsKey{"callsigns", "MYCALL625", &S::MYCALL625, C::Plain, kSelCallCapacity},
    SettingsKey{"callsigns", "HISCALL625", &S::HISCALL625, C::Plain, kSelCallCapacity},
    SettingsKey{"callsigns", "GROUPCALL", &S::GROUPCALL},

    SettingsKey{"system", "TXEnable", &S::TXEnable},
    SettingsKey{"system", "TextEntry", &S::TextEntry},
    SettingsKey{"system", "EndOfLine", &S::EndOfLine},
    SettingsKey{"system", "ScanControl", &S::ScanControl},
    SettingsKey{"system", "CWID", &S::CWID},
    SettingsKey{"system", "AFChannel", &S::AFChannel},
    SettingsKey{"system", "EchoEnable", &S::EchoEnable},
    SettingsKey{"system", "Printer", &S::Printer},
    SettingsKey{"system", "PrintSquelchEnable", &S::PrintSquelchEnable},
    SettingsKey{"system", "PrintSquelchSetting", &S::PrintSquelchSetting},
    SettingsKey{"system", "ComPort", &S::PortName, C::ComPort},
    SettingsKey{"system", "Listen", &S::Listen},
    SettingsKey{"system", "RXGain", &S::RXGain, C::RxGain},
    SettingsKey{"system", "TXGain", &S::TXGain, C::TxGain},
    SettingsKey{"system", "FSKPol", &S::FSKPol},
    SettingsKey{"system", "StatusBar", &S::StatusBar},
    SettingsKey{"system", "ToolBar", &S::ToolBar},
    SettingsKey{"system", "Code", &S::Code, C::Code},

    SettingsKey{"fec", "FECMod", &S::FECMod},
    SettingsKey{"fec", "FECCodeEff", &S::FECCodeEff},
    SettingsKey{"fec", "FECBlockSize", &S::FECBlockSize},

    SettingsKey{"adaptive arq", "AutoBias", &S::AutoBias},
    SettingsKey{"adaptive arq", "ConnectBias", &S::ConnectBias},
    SettingsKey{"adaptive arq", "NormalRetry", &S::NormalRetry},
    SettingsKey{"adaptive arq", "RobustRetry", &S::RobustRetry},
    SettingsKey{"adaptive arq", "FailRetry", &S::FailRetry},
    SettingsKey{"adaptive arq", "ChatCount", &S::ChatCount},

    SettingsKey{"amtor", "A_TXEnable", &S::A_TXEnable},
    SettingsKey{"amtor", "A_TextEntry", &S::A_TextEntry},
    SettingsKey{"amtor", "A_Polarity", &S::A_Polarity},
    SettingsKey{"amtor", "A_EndOfLine", &S::A_EndOfLine},
    SettingsKey{"amtor", "A_WRU", &S::A_WRU},
    SettingsKey{"amtor", "A_TimeOut", &S::A_TimeOut},
    SettingsKey{"amtor", "A_TD", &S::A_TD},
    SettingsKey{"amtor", "A_CD", &S::A_CD},
    SettingsKey{"amtor", "A_LetterCase", &S::A_LetterCase},

    SettingsKey{"pmode", "P_TXEnable", &S::P_TXEnable},
    SettingsKey{"pmode", "P_TextEntry", &S::P_TextEntry},
    SettingsKey{"pmode", "P_EndOfLine", &S::P_EndOfLine},
    SettingsKey{"pmode", "P_CSDelay", &S::P_CSDelay},
    SettingsKey{"pmode", "P_MaxDown", &S::P_MaxDown},
    SettingsKey{"pmode", "P_MaxUp", &S::P_MaxUp},
    SettingsKey{"pmode", "P_MaxTry", &S::P_MaxTry},
    SettingsKey{"pmode", "P_MaxError", &S::P_MaxError},
    SettingsKey{"pmode", "P_MaxARQSum", &S::P_MaxARQSum},
    SettingsKey{"pmode", "P_FECRepeats", &S::P_FECRepeats},
    SettingsKey{"pmode", "P_Huffman", &S::P_Huffman},

    SettingsKey{"baudot", "B_TXEnable", &S::B_TXEnable},
    SettingsKey{"baudot", "B_TextEntry", &S::B_TextEntry},
    SettingsKey{"baudot", "B_Polarity", &S::B_Polarity},
    SettingsKey{"baudot", "B_EndOfLine", &S::B_EndOfLine},
    SettingsKey{"baudot", "B_SyncIdle", &S::B_SyncIdle},
    SettingsKey{"baudot", "B_USOS", &S::B_USOS},
    SettingsKey{"baudot", "B_Rate", &S::B_Rate},
    SettingsKey{"baudot", "B_CodeType", &S::B_CodeType},
    SettingsKey{"baudot", "B_PTTON", &S::B_PTTON},
    SettingsKey{"baudot", "B_PTTOFF", &S::B_PTTOFF},
    SettingsKey{"baudot", "RXPolaritySameAsTX", &S::RXPolaritySameAsTX},

    SettingsKey{"ascii", "S_TXEnable", &S::S_TXEnable},
    SettingsKey{"ascii", "S_TextEntry", &S::S_TextEntry},
    SettingsKey{"ascii", "S_Polarity", &S::S_Polarity},
    SettingsKey{"ascii", "S_EndOfLine", &S::S_EndOfLine},
    SettingsKey{"ascii", "S_SyncIdle", &S::S_SyncIdle},
    SettingsKey{"ascii", "S_Rate", &S::S_Rate},
    SettingsKey{"ascii", "S_PTTON", &S::S_PTTON},
    SettingsKey{"ascii", "S_PTTOFF", &S::S_PTTOFF},

    SettingsKey{"fsk", "AMTORMark", &S::AMTORMark},
    SettingsKey{"fsk", "AMTORSpace", &S::AMTORSpace},
    SettingsKey{"fsk", "AMTORCenter", &S::AMTORCenter},
    SettingsKey{"fsk", "AMTORShift", &S::AMTORShift},
    SettingsKey{"fsk", "BAUDOTMark", &S::BAUDOTMark},
    SettingsKey{"fsk", "BAUDOTSpace", &S::BAUDOTSpace},
    SettingsKey{"fsk", "BAUDOTCenter", &S::BAUDOTCenter},
    SettingsKey{"fsk", "BAUDOTShift", &S::BAUDOTShift},
    SettingsKey{"fsk", "ASCIIMark", &S::ASCIIMark},
    SettingsKey{"fsk", "ASCIISpace", &S::ASCIISpace},
    SettingsKey{"fsk", "ASCIICenter", &S::ASCIICenter},
    SettingsKey{"fsk", "ASCIIShift", &S::ASCIIShift},
    SettingsKey{"fsk", "PMODEFREQ1", &S::PMODEFREQ1},
    SettingsKey{"fsk", "PMODEFREQ2", &S::PMODEFREQ2},
    SettingsKey{"fsk", "PMODECenter", &S::PMODECenter},
    SettingsKey{"fsk", "PMODEShift", &S::PMODEShift},
    SettingsKey{"fsk", "Polarity", &S::Polarity},

    SettingsKey{"screen", "MainLeft", &L::MainLeft},
    SettingsKey{"screen", "MainTop", &L::MainTop},
    SettingsKey{"screen", "MainWidth", &L::MainWidth},
    SettingsKey{"screen", "MainHeight", &L::MainHeight},
    SettingsKey{"screen", "TransmitHeight", &L::TransmitHeight},
    SettingsKey{"screen", "AmpTune", &L::AmpTune},
    SettingsKey{"screen", "AmpTuneLeft", &L::AmpTuneLeft},
    SettingsKey{"screen", "AmpTuneTop", &L::AmpTuneTop},
    SettingsKey{"screen", "FreqTune", &L::FreqTune},
    SettingsKey{"screen", "FreqTuneLeft", &L::FreqTuneLeft},
    SettingsKey{"screen", "FreqTuneTop", &L::FreqTuneTop},
    SettingsKey{"screen", "QuoralStat", &L::QuoralStat},
    SettingsKey{"screen", "QuoralStatLeft", &L::QuoralStatLeft},
    SettingsKey{"screen", "QuoralStatTop", &L::QuoralStatTop},
    SettingsKey{"screen", "ReceiveFont", &S::ReceiveFont},
    SettingsKey{"screen", "ReceiveTextColor", &S::ReceiveTextColor},
    SettingsKey{"screen", "ReceiveTextSize", &S::ReceiveTextSize},
    SettingsKey{"screen", "EchoTextColor", &S::EchoTextColor},
    SettingsKey{"screen", "ReceiveColor", &S::ReceiveColor},
    SettingsKey{"screen", "TransmitFont", &S::TransmitFont, C::Plain, kProfileValueCapacity, true},
    SettingsKey{"screen", "TransmitTextColor", &S::TransmitTextColor},
    SettingsKey{"screen", "TransmitTextSize", &S::TransmitTextSize},
    SettingsKey{"screen", "HighLightTextColor", &S::HighLightTextColor},
    SettingsKey{"screen", "TransmitColor", &S::TransmitColor},
};

template <class... F> struct Overloaded : F... { using F::operator()...; };
// Spelt out for compilers without deduction for aggregates (clang 14).
template <class... F> Overloaded(F...) -> Overloaded<F...>;

using FieldValue = std::variant<std::string, int, bool, char>;
using FieldSlot = std::variant<std::string*, int*, bool*, char*>;

template <class T> FieldValue exactly(const T& value) {
    return FieldValue(std::in_place_type<T>, value);
}

FieldValue valueOf(const SettingsField& field, const Settings& settings,
                   const ScreenLayout& layout) {
    return std::visit(Overloaded{
                          [&](auto Settings::*member) { return exactly(settings.*member); },
                          [&](auto ScreenLayout::*member) { return exactly(layout.*member); },
                      },
                      field);
}

FieldSlot slotOf(const SettingsField& field, Settings& settings, ScreenLayout& layout) {
    return std::visit(
        Overloaded{
            [&](auto Settings::*member) -> FieldSlot { return &(settings.*member); },
            [&](auto ScreenLayout::*member) -> FieldSlot { return &(layout.*member); },
        },
        field);
}

} // namespace

std::span<const SettingsKey> settingsKeys() {
    return kKeys;
}

const SettingsKey& settingsKey(std::string_view name) {
    for (const SettingsKey& key : kKeys)
        if (key.Name == name) return key;
    throw std::invalid_argument("no settings key " + std::string(name));
}

std::optional<std::string> keyText(const SettingsKey& key, const Settings& settings,
                                   const ScreenLayout& layout) {
    const FieldValue value = valueOf(key.Field, settings, layout);
    switch (key.Conversion) {
    case C::RxGain:
        return std::string(rxGainText(std::get<int>(value)));
    case C::TxGain:
        if (const auto text = txGainText(std::get<int>(value))) return std::string(*text);
        return std::nullopt;
    case C::Code:
        return std::string(codeFromOperatingMode(std::get<int>(value)));
    case C::ComPort:
        return comPortFromPortName(std::get<std::string>(value));
    case C::Plain:
        break;
    }
    return std::visit(Overloaded{
                          [](const std::string& text) { return text; },
                          [](int number) { return std::to_string(number); },
                          [](bool on) { return std::string(onOffWord(on)); },
                          [](char c) { return c == '\0' ? std::string() : std::string(1, c); },
                      },
                      value);
}

bool setKeyFromText(const SettingsKey& key, std::string_view text, Settings& settings,
                    ScreenLayout& layout) {
    const FieldSlot slot = slotOf(key.Field, settings, layout);
    switch (key.Conversion) {
    case C::RxGain: {
        int& code = *std::get<int*>(slot);
        code = readRxGain(text, code);
        return true;
    }
    case C::TxGain: {
        int& code = *std::get<int*>(slot);
        code = txGainCode(text).value_or(code);
        return true;
    }
    case C::Code:
        *std::get<int*>(slot) = operatingModeFromCode(text);
        return true;
    case C::ComPort:
        *std::get<std::string*>(slot) = portNameFromComPort(cutToCapacity(text, key.Capacity));
        return true;
    case C::Plain:
        break;
    }
    return std::visit(Overloaded{
                          [&](std::string* field) {
                              *field = cutToCapacity(text, key.Capacity);
                              return true;
                          },
                          [&](int* field) {
                              const auto number = strictDecimal(text);
                              if (number) *field = *number;
                              return number.has_value();
                          },
                          [&](bool* field) {
                              *field = onOffValue(text);
                              return true;
                          },
                          [&](char* field) {
                              const auto first = letterCaseFromText(text);
                              if (first) *field = *first;
                              return first.has_value();
                          },
                      },
                      slot);
}

} // namespace orvane
