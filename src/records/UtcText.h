#pragma once

#include <chrono>
#include <string>

namespace orvane {

// "2026-12-09"
std::string utcDateText(std::chrono::system_clock::time_point time);
// "2026-12-09 14:05:09"
std::string utcSecondsText(std::chrono::system_clock::time_point time);
// "2026-12-09 14:05:09.042"
std::string utcMillisecondsText(std::chrono::system_clock::time_point time);

} // namespace orvane
