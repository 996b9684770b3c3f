#pragma once

#include "config/SettingDescriptor.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// What the configuration dialog's setting controls show: one text for each
// setting the settings table gives a control. A button group holds the word
// of its checked button ("" when none is checked), a list its entry, an edit
// its text as typed, a spin or a label its number.
class SettingControls {
public:
    SettingControls();
    SettingControls(const SettingControls&) = default;
    // Element by element, so that a reference to one text stays valid.
    SettingControls& operator=(const SettingControls& other);

    // The text of the setting held in `field`, which must have a control.
    const std::string& text(SettingsField field) const;
    std::string& text(SettingsField field);
    const std::string& text(const SettingDescriptor& setting) const;
    std::string& text(const SettingDescriptor& setting);

    bool shows(SettingsField field, std::string_view word) const { return text(field) == word; }
    // An edit's, spin's or label's number: its leading digits.
    int number(SettingsField field) const;

    bool operator==(const SettingControls&) const = default;

private:
    std::vector<std::string> texts_; // by the settings' places in the table
};

// What the control of a setting shows for the setting as it is: the word of
// the button or entry that stands for it (ignoring letter case for text
// settings), "" when none does; a number as it is, in a spin within the
// spin's range.
std::string controlText(const SettingDescriptor& setting, const Settings& settings);

enum class ControlsShown { All, RefreshedByDefaults };
// Every control (or those the Defaults button refreshes) shows its setting.
void showSettings(SettingControls& controls, const Settings& settings, ControlsShown which);

// Takes each control that shows something other than its setting: the
// checked button's word or the chosen entry, an edit's, spin's or label's
// leading number. A group with no button checked leaves its setting alone,
// and so does every control the operator left as it was filled.
void takeSettings(const SettingControls& controls, Settings& settings);

} // namespace orvane
