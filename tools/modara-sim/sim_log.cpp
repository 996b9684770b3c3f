#include "sim_log.h"

#include "byte_text.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace modara_sim {

std::string formatLogLine(std::chrono::system_clock::time_point when, std::string_view direction,
                          const std::uint8_t* data, std::size_t size) {
    using namespace std::chrono;
    const std::time_t seconds = system_clock::to_time_t(when);
    const auto millis = duration_cast<milliseconds>(when.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<int>(millis));
    return std::string(stamp) + " " + std::string(direction) + " " + formatHex(data, size);
}

SimLog::~SimLog() {
    if (log_ != nullptr) std::fclose(log_);
    if (raw_ != nullptr) std::fclose(raw_);
}

std::string SimLog::open(const std::string& logPath, const std::string& rawPath) {
    if (!logPath.empty() && (log_ = std::fopen(logPath.c_str(), "a")) == nullptr)
        return logPath + ": " + std::strerror(errno);
    if (!rawPath.empty() && (raw_ = std::fopen(rawPath.c_str(), "ab")) == nullptr)
        return rawPath + ": " + std::strerror(errno);
    return {};
}

void SimLog::received(const std::uint8_t* data, std::size_t size) {
    if (raw_ != nullptr) {
        std::fwrite(data, 1, size, raw_);
        std::fflush(raw_);
    }
    writeLine(formatLogLine(std::chrono::system_clock::now(), "RX", data, size));
}

void SimLog::sent(const std::uint8_t* data, std::size_t size) {
    writeLine(formatLogLine(std::chrono::system_clock::now(), "TX", data, size));
}

void SimLog::comment(const std::string& line) {
    writeLine(line);
}

void SimLog::writeLine(const std::string& line) {
    if (log_ == nullptr) return;
    std::fputs(line.c_str(), log_);
    std::fputc('\n', log_);
    std::fflush(log_);
}

} // namespace modara_sim
