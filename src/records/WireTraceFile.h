#pragma once

#include "serial/WireTraceRing.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// The diagnostic trace as text, one record a line:
//
//   2026-12-09 14:05:09.042 modem 80 02 00
//   2026-12-09 14:05:09.101 host 80 7B
//
// "host" lines are what the console sent, "modem" lines what it read; the
// bytes are upper-case hex. Lines starting with '#' are comments.
// modara-sim --replay plays the modem's lines back.
std::string formatWireTrace(const std::vector<WireRecord>& records);

// Writes the trace; an empty text on success, else what went wrong.
std::string saveWireTrace(const std::filesystem::path& path,
                          const std::vector<WireRecord>& records);

} // namespace orvane
