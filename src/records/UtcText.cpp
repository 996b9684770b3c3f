#include "records/UtcText.h"

#include <cstdio>
#include <ctime>

namespace orvane {
namespace {

std::tm utcFields(std::chrono::system_clock::time_point time) {
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(time));
    std::tm fields{};
    ::gmtime_r(&seconds, &fields);
    return fields;
}

std::string formatted(const char* pattern, const std::tm& fields) {
    char text[32];
    const std::size_t n = std::strftime(text, sizeof text, pattern, &fields);
    return std::string(text, n);
}

} // namespace

std::string utcDateText(std::chrono::system_clock::time_point time) {
    return formatted("%Y-%m-%d", utcFields(time));
}

std::string utcSecondsText(std::chrono::system_clock::time_point time) {
    return formatted("%Y-%m-%d %H:%M:%S", utcFields(time));
}

std::string utcMillisecondsText(std::chrono::system_clock::time_point time) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        time - std::chrono::floor<std::chrono::seconds>(time))
                        .count();
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%03d", static_cast<int>(ms));
    return utcSecondsText(time) + fraction;
}

} // namespace orvane
