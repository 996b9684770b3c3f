#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The settings file's bytes as the text the ini reader takes. Editors save an
// ini file as UTF-8 (with or without a byte order mark), as an 8-bit code page,
// or as UTF-16 with a byte order mark; the last is turned into UTF-8 and the
// UTF-8 mark is dropped. Anything else is no text, and nothing is returned:
// a NUL or another control character than tab, the line ends, form feed and
// the old end-of-file mark (Ctrl-Z), or UTF-16 that does not decode.
std::optional<std::string> settingsText(std::string_view bytes);

} // namespace orvane
