#pragma once

#include "config/SettingDescriptor.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// What the dialog's edits accept. Numbers are typed as decimal digits only
// and stay within what the modem can take; call signs are typed in upper
// case and hold only what the modem can send and the station lists can keep.

// Whether `text` may stand in a number edit with this range: empty (while
// typing) or digits only whose value does not exceed the highest.
bool acceptsNumberText(std::string_view text, NumberRange range);

// The number an edit's text gives: its leading decimal digits, 0 when it does
// not start with a digit, the highest int when the digits overflow it.
int leadingNumber(std::string_view text);

// Call signs and selective calls.
inline constexpr std::size_t kCallSignCapacity = 30;
inline constexpr std::size_t kSelectiveCallCapacity = 15;

// The call-sign text after typing: letters in upper case, and only the
// characters a call sign can carry (letters, digits, '/', '-'); anything else
// is dropped, and the text is cut at `capacity`.
std::string callSignInput(std::string_view typed, std::size_t capacity);

} // namespace orvane
