#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orvane {

// The contents of an ini file, read the way the console reads its settings:
//
// - lines end in LF or CR LF; a UTF-8 byte order mark at the start is skipped;
// - "[name]" opens a section; "key=value" lines belong to the section above
//   them (lines before the first section, lines without "=", lines starting
//   with ";" and other junk are ignored);
// - section and key names ignore ASCII letter case; blanks around names and
//   values are dropped; a value ends at a NUL byte; quotes are kept as they
//   are, so a list like "A B","C" reads back unchanged;
// - the first occurrence of a key wins, also when its section appears twice.
class IniFile {
public:
    static IniFile parse(std::string_view text);

    // The value of a key; nothing when the section or the key is missing. A
    // key present with an empty value gives the empty text.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

} // namespace orvane
