#include "monitor/ClockText.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::chrono;

system_clock::time_point At(year_month_day date, hours h, minutes m, milliseconds s) {
    return sys_days{date} + h + m + s;
}

TEST(ClockText, WeekdayMonthDayYearAndTime) {
    EXPECT_EQ(ClockText(At(2002y / June / 3, 7h, 4min, 9s)), "Mon Jun 3, 2002  07:04:09");
    EXPECT_EQ(ClockText(At(2000y / January / 1, 0h, 0min, 5s)), "Sat Jan 1, 2000  00:00:05");
    EXPECT_EQ(ClockText(At(2024y / February / 29, 23h, 59min, 59s)), "Thu Feb 29, 2024  23:59:59");
}

TEST(ClockText, TwentiethCenturyYearsShowTwoDigits) {
    EXPECT_EQ(ClockText(At(1999y / December / 31, 23h, 59min, 59s)), "Fri Dec 31, 99  23:59:59");
    EXPECT_EQ(ClockText(At(1905y / March / 7, 12h, 0min, 0s)), "Tue Mar 7, 05  12:00:00");
}

TEST(ClockText, FractionsOfASecondAreDropped) {
    EXPECT_EQ(ClockText(At(2002y / June / 3, 7h, 4min, 9999ms)), "Mon Jun 3, 2002  07:04:09");
    // Before 1970 the day must not round toward the epoch.
    EXPECT_EQ(ClockText(At(1969y / December / 31, 23h, 59min, 59500ms)),
              "Wed Dec 31, 69  23:59:59");
}

} // namespace
} // namespace orvane
