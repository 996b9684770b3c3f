#pragma once

#include <chrono>
#include <string>

namespace orvane {

// The status bar clock, e.g. "Mon Jun 3, 2002  07:04:09" (two spaces before
// the time). Years 1900 to 1999 show as their last two digits.
std::string ClockText(std::chrono::system_clock::time_point utc);

} // namespace orvane
