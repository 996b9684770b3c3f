#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace orvane {

// The colour lists of the screen settings, in the order they are offered.
inline constexpr std::array<std::string_view, 16> kColourListOrder{
    "Black", "Teal",  "Gray", "Silver", "Lime",  "Yellow", "Blue", "Fuchsia",
    "Aqua",  "White", "Red",  "Maroon", "Green", "Olive",  "Navy", "Purple"};

// The point sizes the size lists offer.
inline constexpr std::array<std::string_view, 8> kFontSizeList{"8",  "9",  "10", "11",
                                                               "12", "14", "16", "18"};

// The size a preview takes from a size list's text: a decimal number above 0
// and at most 200 for the receive pane, from 2 to 199 for the transmit pane;
// nothing (the preview stays) for any other text.
std::optional<int> receivePreviewSize(std::string_view text);
std::optional<int> transmitPreviewSize(std::string_view text);

// The size Apply takes: any decimal number; nothing for another text, which
// keeps the size as it was.
std::optional<int> appliedSize(std::string_view text);

} // namespace orvane
