#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orvane {

struct Rgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    bool operator==(const Rgb&) const = default;
};

struct NamedColour {
    std::string_view Name;
    Rgb Colour;
};

// The sixteen colour names the display settings store.
inline constexpr std::array<NamedColour, 16> kNamedColours{{
    {"Black", {0, 0, 0}},
    {"Maroon", {128, 0, 0}},
    {"Green", {0, 128, 0}},
    {"Olive", {128, 128, 0}},
    {"Navy", {0, 0, 128}},
    {"Purple", {128, 0, 128}},
    {"Teal", {0, 128, 128}},
    {"Gray", {128, 128, 128}},
    {"Silver", {192, 192, 192}},
    {"Red", {255, 0, 0}},
    {"Lime", {0, 255, 0}},
    {"Yellow", {255, 255, 0}},
    {"Blue", {0, 0, 255}},
    {"Fuchsia", {255, 0, 255}},
    {"Aqua", {0, 255, 255}},
    {"White", {255, 255, 255}},
}};

// The colour of a name, compared exactly ("red" is not "Red"); anything that
// is not one of the sixteen names is black.
constexpr Rgb ColourFromName(std::string_view name) {
    for (const NamedColour& entry : kNamedColours)
        if (entry.Name == name) return entry.Colour;
    return {};
}

} // namespace orvane
