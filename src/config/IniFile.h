#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane {

// The contents of an ini file, read the way the console reads its settings:
//
// - lines end in LF, CR LF or CR alone; a UTF-8 byte order mark at the start
//   is skipped;
// - "[name]" opens a section; "key=value" lines belong to the section above
//   them (lines before the first section, lines without "=", lines starting
//   with ";" and other junk are ignored);
// - section and key names ignore ASCII letter case; blanks around names and
//   values are dropped; a value ends at a NUL byte; quotes are kept as they
//   are, so a list like "A B","C" reads back unchanged;
// - the first occurrence of a key wins, also when its section appears twice.
class IniFile {
public:
    // A line of the file, counted from 1, without its line end and blanks.
    struct Line {
        int number = 0;
        std::string text;
    };
    // A key that gave a value, with its section and key in lower case.
    struct Key {
        std::string section;
        std::string key;
        Line line;
    };

    static IniFile parse(std::string_view text);

    // The value of a key; nothing when the section or the key is missing. A
    // key present with an empty value gives the empty text.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Every key that gave a value, in the order of the file.
    const std::vector<Key>& keys() const { return keys_; }
    // The line a key's value came from.
    std::optional<Line> lineOf(std::string_view section, std::string_view key) const;
    // A section or key name as the file compares it: ASCII letters in lower case.
    static std::string comparedName(std::string_view name);
    // The first line that is none of blank, comment, section or a key's
    // first occurrence: junk, a key before any section, a key repeated.
    const std::optional<Line>& firstIgnoredLine() const { return firstIgnored_; }

private:
    void ignore(int number, std::string_view line);

    std::map<std::pair<std::string, std::string>, std::string> values_;
    std::vector<Key> keys_;
    std::optional<Line> firstIgnored_;
};

} // namespace orvane
