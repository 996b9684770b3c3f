#include "serial/PortName.h"

#include <charconv>
#include <string>
#include <system_error>

namespace orvane {

namespace {

constexpr std::string_view kPrefix = "COM";

struct FixedRange {
    int first;
    std::string_view devicePrefix;
};
constexpr FixedRange kRanges[] = {{1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}};
constexpr int kRangeSize = 32;

} // namespace

std::optional<int> portNumberOf(std::string_view portName) {
    if (!portName.starts_with(kPrefix)) return std::nullopt;
    const std::string_view digits = portName.substr(kPrefix.size());
    if (digits.empty() || digits.size() > 6) return std::nullopt;
    int number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec != std::errc{} || end != digits.data() + digits.size() || number < 1)
        return std::nullopt;
    return number;
}

std::optional<std::filesystem::path> portDevice(int number, const std::filesystem::path& baseDir) {
    if (number < 1) return std::nullopt;
    const auto link = portLinkPath(number, baseDir);
    std::error_code ec;
    // A link counts even when its target is gone: opening it then reports the
    // missing device instead of silently falling back to a fixed range.
    if (std::filesystem::is_symlink(link, ec) || std::filesystem::exists(link, ec)) return link;
    for (const auto& range : kRanges)
        if (number >= range.first && number < range.first + kRangeSize)
            return std::filesystem::path(std::string(range.devicePrefix) +
                                         std::to_string(number - range.first));
    return std::nullopt;
}

std::optional<int> fixedPortNumber(std::string_view device) {
    for (const auto& range : kRanges) {
        if (!device.starts_with(range.devicePrefix)) continue;
        const std::string_view digits = device.substr(range.devicePrefix.size());
        int index = -1;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
        if (ec == std::errc{} && end == digits.data() + digits.size() && !digits.empty() &&
            index >= 0 && index < kRangeSize)
            return range.first + index;
    }
    return std::nullopt;
}

std::filesystem::path portLinkPath(int number, const std::filesystem::path& baseDir) {
    return baseDir / "Config" / "ports" / portNameOf(number);
}

std::string portNameOf(int number) {
    return std::string(kPrefix) + std::to_string(number);
}

std::optional<std::filesystem::path> resolvePortName(std::string_view portName,
                                                     const std::filesystem::path& baseDir) {
    const auto number = portNumberOf(portName);
    if (!number) return std::nullopt;
    return portDevice(*number, baseDir);
}

} // namespace orvane
