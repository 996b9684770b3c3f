#include "configure/SettingControls.h"

#include "config/SettingsWords.h"
#include "configure/InputRules.h"
#include "modes/WordCompare.h"

#include <algorithm>

namespace orvane {
namespace {

bool hasControl(const SettingDescriptor& setting) {
    return setting.Control.Kind != ControlKind::None;
}

bool choosesAWord(const SettingDescriptor& setting) {
    return setting.Control.Kind == ControlKind::Buttons ||
           setting.Control.Kind == ControlKind::List;
}

bool isText(const SettingDescriptor& setting) {
    return std::holds_alternative<std::string Settings::*>(setting.Field);
}

std::string wordFor(const SettingDescriptor& setting, const std::string& value) {
    for (std::string_view word : setting.Words) {
        if (word.empty()) break;
        if (isText(setting) ? sameWordIgnoringCase(word, value) : word == value)
            return std::string(word);
    }
    return {};
}

} // namespace

SettingControls::SettingControls() : texts_(settingDescriptors().size()) {}

SettingControls& SettingControls::operator=(const SettingControls& other) {
    std::copy(other.texts_.begin(), other.texts_.end(), texts_.begin());
    return *this;
}

const std::string& SettingControls::text(const SettingDescriptor& setting) const {
    return texts_.at(settingIndex(setting));
}

std::string& SettingControls::text(const SettingDescriptor& setting) {
    return texts_.at(settingIndex(setting));
}

const std::string& SettingControls::text(SettingsField field) const {
    return text(settingDescriptor(field));
}

std::string& SettingControls::text(SettingsField field) {
    return text(settingDescriptor(field));
}

int SettingControls::number(SettingsField field) const {
    return leadingNumber(text(field));
}

std::string controlText(const SettingDescriptor& setting, const Settings& settings) {
    const std::string value = fieldText(setting, settings);
    if (choosesAWord(setting)) return wordFor(setting, value);
    if (setting.Control.Kind == ControlKind::Spin && setting.Range) {
        const int number = strictDecimal(value).value_or(0);
        return std::to_string(std::clamp(number, setting.Range->lowest, setting.Range->highest));
    }
    return value;
}

void showSettings(SettingControls& controls, const Settings& settings, ControlsShown which) {
    for (const SettingDescriptor& setting : settingDescriptors()) {
        if (!hasControl(setting)) continue;
        if (which == ControlsShown::RefreshedByDefaults && !setting.Control.RefreshedByDefaults)
            continue;
        controls.text(setting) = controlText(setting, settings);
    }
}

void takeSettings(const SettingControls& controls, Settings& settings) {
    for (const SettingDescriptor& setting : settingDescriptors()) {
        if (!hasControl(setting)) continue;
        const std::string& shown = controls.text(setting);
        if (shown == fieldText(setting, settings)) continue;
        if (choosesAWord(setting)) {
            if (!shown.empty()) setFieldFromText(setting, shown, settings);
        } else {
            setFieldFromText(setting, std::to_string(leadingNumber(shown)), settings);
        }
    }
}

} // namespace orvane
