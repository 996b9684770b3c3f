#include "terminal/keys/TimeStamps.h"

#include <array>
#include <cstdio>

namespace orvane {

std::string timeStampText(TimeStamp kind, std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{floor<minutes>(when - day)};
    const int year = static_cast<int>(date.year());
    const int yy = year - 1900 < 100 ? year - 1900 : year - 2000;
    const int dd = static_cast<int>(static_cast<unsigned>(date.day()));
    const char* mon = kMonths[static_cast<unsigned>(date.month()) - 1];
    const int hh = static_cast<int>(time.hours().count());
    const int mm = static_cast<int>(time.minutes().count());

    char text[48];
    switch (kind) {
    case TimeStamp::Date: std::snprintf(text, sizeof text, "%02d-%s-%02d ", dd, mon, yy); break;
    case TimeStamp::TimeAndDate:
        std::snprintf(text, sizeof text, "%02d%02d UTC %02d-%s-%02d ", hh, mm, dd, mon, yy);
        break;
    case TimeStamp::Time: std::snprintf(text, sizeof text, "%02d%02d UTC ", hh, mm); break;
    case TimeStamp::DateTimeGroup:
        std::snprintf(text, sizeof text, "%02d%02d%02dZ %s %02d ", dd, hh, mm, mon, yy);
        break;
    }
    return text;
}

} // namespace orvane
