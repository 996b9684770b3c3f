#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A whole file's bytes, or nothing when it does not exist. Any other failure
// (no permission, a directory in its place, a read error) leaves the reason,
// as the system words it, in `error`.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::string& error);

// Writes `bytes` to a temporary file beside `file`, flushes it to the disk and
// renames it over `file`, so that `file` is always either the old or the new
// content in full. A `file` that is a link is written through it (the link
// stays), and the new file keeps the old one's permissions. Returns the system's reason on failure
// (the temporary file is removed and `file` is left as it was), or nothing on success.
std::optional<std::string> replaceFileAtomically(const std::filesystem::path& file,
                                                 std::string_view bytes);

// Where the temporary file of replaceFileAtomically lies.
std::filesystem::path temporaryFileFor(const std::filesystem::path& file);

} // namespace orvane
