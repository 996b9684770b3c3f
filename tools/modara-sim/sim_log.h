#pragma once
// The --log file (one line per chunk read or written, and '#' comment lines) and the --raw
// file (every byte from the console). Both are flushed after every write, so a test can read
// them while the simulator runs.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace modara_sim {

// "HH:MM:SS.mmm RX 80 41" in local time.
std::string formatLogLine(std::chrono::system_clock::time_point when, std::string_view direction,
                          const std::uint8_t* data, std::size_t size);

class SimLog {
public:
    SimLog() = default;
    SimLog(const SimLog&) = delete;
    SimLog& operator=(const SimLog&) = delete;
    ~SimLog();

    // Empty paths leave that file off. Returns an error text, empty on success.
    std::string open(const std::string& logPath, const std::string& rawPath);

    void received(const std::uint8_t* data, std::size_t size);
    void sent(const std::uint8_t* data, std::size_t size);
    void comment(const std::string& line);

private:
    void writeLine(const std::string& line);

    std::FILE* log_ = nullptr;
    std::FILE* raw_ = nullptr;
};

} // namespace modara_sim
