#pragma once

#include "config/ScreenLayout.h"
#include "config/Settings.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace orvane {

// Every key of the settings file, in the order it is written, with the field
// that holds it. The loader and the writer both walk this one table.

// The profile reading takes at most this many bytes of a value.
inline constexpr std::size_t kProfileValueCapacity = 2047;

using SettingsField = std::variant<std::string Settings::*, int Settings::*, bool Settings::*,
                                   char Settings::*, int ScreenLayout::*, bool ScreenLayout::*>;

// How a key's text becomes its field. Plain follows the field's type: text as
// it is, a decimal int, "ON"/"OFF" for a bool, the first character for a char.
enum class KeyConversion { Plain, RxGain, TxGain, Code, ComPort };

struct SettingsKey {
    std::string_view Section;
    std::string_view Name;
    SettingsField Field;
    KeyConversion Conversion = KeyConversion::Plain;
    std::size_t Capacity = kProfileValueCapacity; // bytes kept of a text value
    bool BlankLineBefore = false;
};

std::span<const SettingsKey> settingsKeys();
// The key of that name; the name must be one of the table's.
const SettingsKey& settingsKey(std::string_view name);

// The value written for a key. Nothing for a TX gain code that has no text.
std::optional<std::string> keyText(const SettingsKey& key, const Settings& settings,
                                   const ScreenLayout& layout);

// Sets the key's field from the text read for it. A gain text in no row
// leaves the code as it is. Returns false, changing nothing, when the text
// does not convert: not a decimal integer, or an empty A_LetterCase.
bool setKeyFromText(const SettingsKey& key, std::string_view text, Settings& settings,
                    ScreenLayout& layout);

} // namespace orvane
