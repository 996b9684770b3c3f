#pragma once

#include <chrono>
#include <string>

namespace orvane {

// The stamps the operator inserts from the keyboard, from the UTC time, each
// ending in one blank: "07-Dec-99 ", "1405 UTC 07-Dec-99 ", "1405 UTC ",
// "071405Z Dec 99 ".
enum class TimeStamp { Date, TimeAndDate, Time, DateTimeGroup };
std::string timeStampText(TimeStamp kind, std::chrono::system_clock::time_point when);

} // namespace orvane
