#pragma once

#include "config/ScreenLayout.h"
#include "config/Settings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace orvane {

// Each setting is declared once, by a descriptor in the settings table
// (SettingsTable.cpp): its key, the field that holds it, its default, its
// factory value, the words or numbers it may take, and the configuration
// dialog's control that shows it. Reading and writing the file, the
// defaults, the Defaults button, the dialog's filling and taking and the
// validation all walk that one table.

// The profile reading takes at most this many bytes of a value.
inline constexpr std::size_t kProfileValueCapacity = 2047;

using SettingsField = std::variant<std::string Settings::*, int Settings::*, bool Settings::*,
                                   char Settings::*, int ScreenLayout::*, bool ScreenLayout::*>;

// How a key's text becomes its field. Plain follows the field's type: text as
// it is, a decimal int, "ON"/"OFF" for a bool, the first character for a char.
enum class KeyConversion { Plain, RxGain, TxGain, Code, ComPort };

struct NumberRange {
    int lowest;
    int highest;
};

// One parameter byte: retries, chat count, AMTOR timing, P-Mode delays, PTT delays.
inline constexpr NumberRange kByteRange{0, 255};
// Tones go out as 16-bit numbers of hertz.
inline constexpr NumberRange kToneRange{0, 65535};

// The most words a setting can take (the FEC modulations, the rates).
inline constexpr std::size_t kMaxWords = 6;
// The words a setting may take, in the order of its dialog's buttons; unused
// entries are empty.
using SettingWords = std::array<std::string_view, kMaxWords>;

// What kind of control the configuration dialog shows a setting in.
enum class ControlKind {
    None,       // not on the dialog
    Buttons,    // radio buttons, one per word; none checked for a word none stands for
    List,       // a drop-down list of the words
    NumberEdit, // digits only, within the range
    Spin,       // a spin box over the range
    Label,      // shown only; the dialog computes it from other controls
};

struct ControlButton {
    std::string_view Name;
    std::string_view Caption;
};

// The dialog's control of a setting. Names are the widgets' object names.
struct DialogControl {
    ControlKind Kind = ControlKind::None;
    std::string_view Name;    // the button group's box, or the list, edit, spin or label
    std::string_view Caption; // the group's title, or the row caption of the others
    std::array<ControlButton, kMaxWords> Buttons{}; // button i stands for word i
    std::string_view Suffix;                        // shown after a label's number ("%")
    // The Defaults button shows the factory value in this control; the
    // controls it leaves alone keep what they showed.
    bool RefreshedByDefaults = false;
};

struct SettingDescriptor {
    std::string_view Section;
    std::string_view Name; // the key, and the name of the field that holds it
    SettingsField Field;
    // The text used when the key is absent, as the file would hold it.
    // Nothing for the window placements, whose defaults follow the screen.
    std::optional<std::string_view> Default;
    // The text the dialog's Defaults button sets, where it sets one.
    std::optional<std::string_view> Factory;
    SettingWords Words{}; // the words it may take; none for free text and numbers
    std::optional<NumberRange> Range;
    DialogControl Control;
    KeyConversion Conversion = KeyConversion::Plain;
    std::size_t Capacity = kProfileValueCapacity; // bytes kept of a text value
    bool BlankLineBefore = false;                 // in the written file
};

// Every setting, in the order the file is written.
std::span<const SettingDescriptor> settingDescriptors();
// The descriptor of that key; the name must be one of the table's.
const SettingDescriptor& settingDescriptor(std::string_view name);
// The descriptor of the setting held in that field; the field must be one of the table's.
const SettingDescriptor& settingDescriptor(SettingsField field);
// Where the descriptor stands in the table.
std::size_t settingIndex(const SettingDescriptor& descriptor);

// The value written for a key. Nothing for a TX gain code that has no text.
std::optional<std::string> keyText(const SettingDescriptor& key, const Settings& settings,
                                   const ScreenLayout& layout);

// Sets the key's field from the text read for it. A gain text in no row
// leaves the code as it is. Returns false, changing nothing, when the text
// does not convert: not a decimal integer, or an empty A_LetterCase.
bool setKeyFromText(const SettingDescriptor& key, std::string_view text, Settings& settings,
                    ScreenLayout& layout);

// The field's own text, without the conversions of the file: "ON"/"OFF" for
// a bool, decimal for a number, the character of a char. Settings fields only.
std::string fieldText(const SettingDescriptor& setting, const Settings& settings);
// Sets a Settings field from such a text; false, changing nothing, when it
// does not convert.
bool setFieldFromText(const SettingDescriptor& setting, std::string_view text, Settings& settings);

// Every setting that has a factory value gets it (the Defaults button).
void setFactoryValues(Settings& settings);

// Whether the setting holds one of its words and lies within its range.
bool isAllowed(const SettingDescriptor& setting, const Settings& settings);

} // namespace orvane
