#include "config/IniFile.h"

namespace orvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnds = "\r\n";

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string_view beforeNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile file;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

    std::optional<std::string> section;
    for (int number = 1; !text.empty(); ++number) {
        const auto lineEnd = text.find_first_of(kLineEnds);
        const std::string_view line = trimmed(text.substr(0, lineEnd));
        std::size_t next = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
        if (lineEnd != std::string_view::npos && text[lineEnd] == '\r' && next < text.size() &&
            text[next] == '\n')
            ++next; // CR LF is one line end
        text.remove_prefix(next);

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            if (close != std::string_view::npos)
                section = comparedName(trimmed(line.substr(1, close - 1)));
            else
                file.ignore(number, line);
            continue;
        }
        const auto equals = line.find('=');
        const std::string_view key =
            equals == std::string_view::npos ? std::string_view() : trimmed(line.substr(0, equals));
        if (!section || key.empty()) {
            file.ignore(number, line);
            continue;
        }
        const std::string_view value = trimmed(beforeNul(line.substr(equals + 1)));
        const bool first = file.values_.try_emplace({*section, comparedName(key)}, value).second;
        if (first)
            file.keys_.push_back({*section, comparedName(key), {number, std::string(line)}});
        else
            file.ignore(number, line);
    }
    return file;
}

void IniFile::ignore(int number, std::string_view line) {
    if (!firstIgnored_) firstIgnored_ = Line{number, std::string(line)};
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto found = values_.find({comparedName(section), comparedName(key)});
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

std::string IniFile::comparedName(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::optional<IniFile::Line> IniFile::lineOf(std::string_view section, std::string_view key) const {
    const std::string wantedSection = comparedName(section), wantedKey = comparedName(key);
    for (const Key& found : keys_)
        if (found.section == wantedSection && found.key == wantedKey) return found.line;
    return std::nullopt;
}

} // namespace orvane
