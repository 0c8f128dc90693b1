// Date-time text in the LC_TIME category of the current C locale.
#include "platform/DateTimeText.h"

#include <langinfo.h>

#include <cstdio>
#include <ctime>

namespace platform {

DateTimeConventions UserDateTimeConventions() {
    // nl_langinfo's results live until the next call or locale change: copy each at once.
    const std::string dateFormat = nl_langinfo(D_FMT);
    const std::string timeFormat = nl_langinfo(T_FMT);
    const std::string am = nl_langinfo(AM_STR);
    const std::string pm = nl_langinfo(PM_STR);
    return ConventionsFromStrftimeFormats(dateFormat, timeFormat, am, pm);
}

std::optional<std::string> FormatLongDate(const CalendarTime& time) {
    if (!IsValidCalendarTime(time)) return std::nullopt;
    const std::string weekday = nl_langinfo(static_cast<nl_item>(DAY_1 + WeekdayOf(time)));
    const std::string month = nl_langinfo(static_cast<nl_item>(MON_1 + time.month - 1));
    char day[8], year[8];
    std::snprintf(day, sizeof day, "%u", static_cast<unsigned>(time.day));
    std::snprintf(year, sizeof year, "%04u", static_cast<unsigned>(time.year));
    switch (UserDateTimeConventions().order) {
        case DateTimeConventions::Order::DayMonthYear:
            return weekday + ", " + day + " " + month + " " + year;
        case DateTimeConventions::Order::MonthDayYear:
            return weekday + ", " + month + " " + day + ", " + year;
        case DateTimeConventions::Order::YearMonthDay:
            break;
    }
    return weekday + ", " + year + " " + month + " " + day;
}

std::optional<std::string> FormatTimeWithoutSeconds(const CalendarTime& time) {
    if (!IsValidCalendarTime(time)) return std::nullopt;
    const std::string format = StrftimeWithoutSeconds(nl_langinfo(T_FMT));
    std::tm fields{};
    fields.tm_hour = time.hour;
    fields.tm_min = time.minute;
    fields.tm_sec = time.second;
    fields.tm_mday = time.day;
    fields.tm_mon = time.month - 1;
    fields.tm_year = time.year - 1900;
    fields.tm_wday = WeekdayOf(time);
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format.c_str(), &fields);
    if (length == 0) return std::nullopt;
    return std::string(buffer, length);
}

}  // namespace platform
