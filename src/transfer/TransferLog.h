#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace orvane {

// One line of binxfer.log: date, two spaces, time, then tab-separated the
// file name, the method, the size before compression and the outcome.
std::string TransferLogLine(std::chrono::system_clock::time_point localTime,
                            const std::string& name, const std::string& method,
                            std::int64_t fileSize, bool complete);

inline constexpr const char* kTransferLogName = "binxfer.log";

} // namespace orvane
