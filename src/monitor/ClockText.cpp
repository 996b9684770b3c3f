#include "monitor/ClockText.h"

#include <array>
#include <cstdio>

namespace orvane {
namespace {

constexpr std::array<const char*, 7> kWeekdays{"Sun ", "Mon ", "Tue ", "Wed ",
                                               "Thu ", "Fri ", "Sat "};
constexpr std::array<const char*, 12> kMonths{"Jan ", "Feb ", "Mar ", "Apr ", "May ", "Jun ",
                                              "Jul ", "Aug ", "Sep ", "Oct ", "Nov ", "Dec "};

} // namespace

std::string ClockText(std::chrono::system_clock::time_point utc) {
    using namespace std::chrono;
    // floor, not a cast: times before 1970 must still land on the right day.
    const auto day = floor<days>(utc);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(utc - day)};

    int year = static_cast<int>(date.year());
    const bool twoDigitYear = year >= 1900 && year <= 1999;
    if (twoDigitYear) year -= 1900;

    char buffer[64];
    std::snprintf(
        buffer, sizeof buffer, "%s%s%u, %0*d  %02d:%02d:%02d", kWeekdays[weekday{day}.c_encoding()],
        kMonths[static_cast<unsigned>(date.month()) - 1], static_cast<unsigned>(date.day()),
        twoDigitYear ? 2 : 1, year, static_cast<int>(time.hours().count()),
        static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
    return buffer;
}

} // namespace orvane
