// Date-time text in the user's default locale.
#include "platform/DateTimeText.h"

#include <windows.h>

namespace platform {
namespace {

std::string LocaleText(LCTYPE item, const char* fallback) {
    char buffer[128];
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer, sizeof buffer);
    if (length <= 0) return fallback;
    return std::string(buffer, static_cast<std::size_t>(length - 1));  // without the terminating zero
}

SYSTEMTIME ToSystemTime(const CalendarTime& time) {
    SYSTEMTIME st{};
    st.wYear = time.year;
    st.wMonth = time.month;
    st.wDay = time.day;
    st.wDayOfWeek = static_cast<WORD>(WeekdayOf(time));
    st.wHour = time.hour;
    st.wMinute = time.minute;
    st.wSecond = time.second;
    st.wMilliseconds = time.millisecond;
    return st;
}

}  // namespace

DateTimeConventions UserDateTimeConventions() {
    return ConventionsFromWindowsPictures(LocaleText(LOCALE_SSHORTDATE, "M/d/yyyy"),
                                          LocaleText(LOCALE_STIMEFORMAT, "h:mm:ss tt"),
                                          LocaleText(LOCALE_S1159, "AM"), LocaleText(LOCALE_S2359, "PM"));
}

std::optional<std::string> FormatLongDate(const CalendarTime& time) {
    if (!IsValidCalendarTime(time)) return std::nullopt;
    const SYSTEMTIME st = ToSystemTime(time);
    char buffer[256];
    const int length = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &st, nullptr, buffer, sizeof buffer);
    if (length <= 0) return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(length - 1));
}

std::optional<std::string> FormatTimeWithoutSeconds(const CalendarTime& time) {
    if (!IsValidCalendarTime(time)) return std::nullopt;
    const SYSTEMTIME st = ToSystemTime(time);
    char buffer[128];
    const int length = GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &st, nullptr, buffer, sizeof buffer);
    if (length <= 0) return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(length - 1));
}

}  // namespace platform
