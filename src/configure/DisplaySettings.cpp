#include "configure/DisplaySettings.h"

#include "config/SettingsWords.h"

namespace orvane {

std::optional<int> appliedSize(std::string_view text) {
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    return strictDecimal(text);
}

std::optional<int> receivePreviewSize(std::string_view text) {
    auto size = appliedSize(text);
    if (size && *size > 0 && *size <= 200) return size;
    return std::nullopt;
}

std::optional<int> transmitPreviewSize(std::string_view text) {
    auto size = appliedSize(text);
    if (size && *size >= 2 && *size < 200) return size;
    return std::nullopt;
}

} // namespace orvane
