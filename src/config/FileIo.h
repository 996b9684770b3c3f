#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// What reading a file the operator keeps gave.
struct RegularFileRead {
    enum class Outcome {
        Read,    // `bytes` holds the whole file
        Missing, // no such file (nor its folder)
        Refused, // not a regular file, larger than allowed, or not readable: `reason` says why
    };
    Outcome outcome = Outcome::Missing;
    std::string bytes;
    std::string reason;
};

// Reads a regular file of at most `largest` bytes. The file is opened without
// waiting, so a named pipe, a device or a directory in its place is refused at
// once instead of blocking or flooding the reader.
RegularFileRead readRegularFile(const std::filesystem::path& file, std::size_t largest);

// Writes `bytes` to a temporary file beside `file`, flushes it to the disk and
// renames it over `file`, so that `file` is always either the old or the new
// content in full. A `file` that is a link is written through it (the link
// stays), and the new file keeps the old one's permissions. Returns the system's reason on failure
// (the temporary file is removed and `file` is left as it was), or nothing on success.
std::optional<std::string> replaceFileAtomically(const std::filesystem::path& file,
                                                 std::string_view bytes);
// The same, with the permissions of `permissionsOf` instead of the old file's.
std::optional<std::string> replaceFileAtomically(const std::filesystem::path& file,
                                                 std::string_view bytes,
                                                 const std::filesystem::path& permissionsOf);

// Copies the regular file `file` (a link followed) to `copy` as
// replaceFileAtomically writes, with the permissions of `file`. A missing
// `file` leaves nothing to copy and is no failure. Returns the reason on failure.
std::optional<std::string> keepCopyOf(const std::filesystem::path& file,
                                      const std::filesystem::path& copy, std::size_t largest);

// Where the temporary file of replaceFileAtomically lies.
std::filesystem::path temporaryFileFor(const std::filesystem::path& file);

} // namespace orvane
