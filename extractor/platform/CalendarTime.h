// Calendar fields of a date and time, as the platform's date services take and
// give them. Plain data: no time zone, no day of week.
#pragma once

#include <cstdint>

struct CalendarTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t millisecond = 0;
};

// True for a real date of the proleptic Gregorian calendar in years 1 to 9999
// with a time of day from 00:00:00.000 to 23:59:59.999.
inline bool IsValidCalendarTime(const CalendarTime& t) {
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    static const std::uint16_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1) return false;
    const unsigned daysInMonth = t.month == 2 && leap ? 29u : kDays[t.month - 1];
    return t.day <= daysInMonth && t.hour < 24 && t.minute < 60 && t.second < 60 && t.millisecond < 1000;
}
