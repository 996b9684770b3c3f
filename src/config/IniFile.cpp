#include "config/IniFile.h"

namespace orvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view beforeNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile file;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

    std::optional<std::string> section;
    while (!text.empty()) {
        const auto lineEnd = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, lineEnd));
        text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            if (close != std::string_view::npos)
                section = lowerAscii(trimmed(line.substr(1, close - 1)));
            continue;
        }
        const auto equals = line.find('=');
        if (!section || equals == std::string_view::npos) continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        if (key.empty()) continue;
        const std::string_view value = trimmed(beforeNul(line.substr(equals + 1)));
        file.values_.try_emplace({*section, lowerAscii(key)}, value);
    }
    return file;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto found = values_.find({lowerAscii(section), lowerAscii(key)});
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

} // namespace orvane
