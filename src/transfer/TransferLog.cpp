#include "transfer/TransferLog.h"

#include <cstdio>
#include <ctime>

namespace orvane {

std::string TransferLogLine(std::chrono::system_clock::time_point localTime,
                            const std::string& name, const std::string& method,
                            std::int64_t fileSize, bool complete) {
    // The clock hands us local time already shifted: format it as UTC.
    const std::time_t t = std::chrono::system_clock::to_time_t(localTime);
    std::tm parts{};
    gmtime_r(&t, &parts);
    char date[32];
    char time[32];
    // The locale's short date and long time: the program takes its locale
    // from the environment at start (Qt does so on Unix).
    std::strftime(date, sizeof date, "%x", &parts);
    std::strftime(time, sizeof time, "%X", &parts);
    char line[1024];
    std::snprintf(line, sizeof line, "%s  %s\t%s\t%s\t%lld\t%s\n", date, time, name.c_str(),
                  method.c_str(), static_cast<long long>(fileSize),
                  complete ? "Complete" : "Failed");
    return line;
}

} // namespace orvane
