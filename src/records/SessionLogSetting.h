#pragma once

#include <filesystem>

namespace orvane {

// Whether the session log is kept. It lives in a file of its own,
// Config/sessionlog.ini, so the settings file keeps the keys its readers know:
//
//   [session log]
//   Enabled=OFF
//
// Anything but OFF (any letter case), and no file at all, keeps the log.
bool readSessionLogEnabled(const std::filesystem::path& baseDir);
// False when the file could not be written.
bool writeSessionLogEnabled(const std::filesystem::path& baseDir, bool enabled);

} // namespace orvane
