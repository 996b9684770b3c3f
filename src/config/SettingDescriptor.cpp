#include "config/SettingDescriptor.h"

#include "config/GainTable.h"
#include "config/SettingsWords.h"

#include <algorithm>
#include <stdexcept>

namespace orvane {

namespace {

using C = KeyConversion;

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

std::string plainText(const FieldValue& value) {
    return std::visit(Overloaded{
                          [](const std::string& text) { return text; },
                          [](int number) { return std::to_string(number); },
                          [](bool on) { return std::string(onOffWord(on)); },
                          [](char c) { return c == '\0' ? std::string() : std::string(1, c); },
                      },
                      value);
}

bool setPlain(const FieldSlot& slot, std::string_view text, std::size_t capacity) {
    return std::visit(Overloaded{
                          [&](std::string* field) {
                              *field = cutToCapacity(text, capacity);
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

} // namespace

const SettingDescriptor& settingDescriptor(std::string_view name) {
    for (const SettingDescriptor& setting : settingDescriptors())
        if (setting.Name == name) return setting;
    throw std::invalid_argument("no setting " + std::string(name));
}

const SettingDescriptor& settingDescriptor(SettingsField field) {
    for (const SettingDescriptor& setting : settingDescriptors())
        if (setting.Field == field) return setting;
    throw std::invalid_argument("no setting for that field");
}

std::size_t settingIndex(const SettingDescriptor& descriptor) {
    return static_cast<std::size_t>(&descriptor - settingDescriptors().data());
}

std::optional<std::string> keyText(const SettingDescriptor& key, const Settings& settings,
                                   const ScreenLayout& layout) {
    const FieldValue value = valueOf(key.Field, settings, layout);
    switch (key.Conversion) {
    case C::RxGain: return std::string(rxGainText(std::get<int>(value)));
    case C::TxGain:
        if (const auto text = txGainText(std::get<int>(value))) return std::string(*text);
        return std::nullopt;
    case C::Code: return std::string(codeFromOperatingMode(std::get<int>(value)));
    case C::ComPort: return comPortFromPortName(std::get<std::string>(value));
    case C::Plain: break;
    }
    return plainText(value);
}

bool setKeyFromText(const SettingDescriptor& key, std::string_view text, Settings& settings,
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
    case C::Code: *std::get<int*>(slot) = operatingModeFromCode(text); return true;
    case C::ComPort:
        *std::get<std::string*>(slot) = portNameFromComPort(cutToCapacity(text, key.Capacity));
        return true;
    case C::Plain: break;
    }
    return setPlain(slot, text, key.Capacity);
}

std::string fieldText(const SettingDescriptor& setting, const Settings& settings) {
    return plainText(valueOf(setting.Field, settings, ScreenLayout{}));
}

bool setFieldFromText(const SettingDescriptor& setting, std::string_view text, Settings& settings) {
    ScreenLayout unused;
    return setPlain(slotOf(setting.Field, settings, unused), text, setting.Capacity);
}

void setFactoryValues(Settings& settings) {
    ScreenLayout unused;
    for (const SettingDescriptor& setting : settingDescriptors())
        if (setting.Factory) setKeyFromText(setting, *setting.Factory, settings, unused);
}

bool isAllowed(const SettingDescriptor& setting, const Settings& settings) {
    const std::string text = fieldText(setting, settings);
    if (!setting.Words.front().empty() &&
        std::find(setting.Words.begin(), setting.Words.end(), text) == setting.Words.end())
        return false;
    if (setting.Range) {
        const auto number = strictDecimal(text);
        return number && *number >= setting.Range->lowest && *number <= setting.Range->highest;
    }
    return true;
}

} // namespace orvane
