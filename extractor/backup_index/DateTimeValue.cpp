#include "backup_index/DateTimeValue.h"

#include <cmath>

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (Howard Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

const std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);  // value 0.0
constexpr std::int64_t kMillisecondsPerDay = 86400000;

}  // namespace

std::optional<double> EncodeDateTime(const CalendarTime& t) {
    if (!IsValidCalendarTime(t)) return std::nullopt;
    const double days = static_cast<double>(DaysFromCivil(t.year, t.month, t.day) - kEpochOffset);
    const double fraction =
        ((t.hour * 60.0 + t.minute) * 60.0 + t.second + t.millisecond / 1000.0) / 86400.0;
    // Before the epoch the fraction still counts forward from midnight, so the
    // value's sign and its time part point in opposite directions.
    return days < 0 ? days - fraction : days + fraction;
}

std::optional<CalendarTime> DecodeDateTime(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double whole = std::trunc(value);
    double fraction = std::fabs(value - whole);
    std::int64_t ms = std::llround(fraction * kMillisecondsPerDay);
    if (ms >= kMillisecondsPerDay) {  // rounding reached the next midnight
        ms -= kMillisecondsPerDay;
        whole += value < 0 ? -1 : 1;
    }
    if (std::fabs(whole) > 4.0e6) return std::nullopt;
    std::int64_t year;
    unsigned month, day;
    CivilFromDays(static_cast<std::int64_t>(whole) + kEpochOffset, year, month, day);
    if (year < 1 || year > 9999) return std::nullopt;
    CalendarTime t;
    t.year = static_cast<std::uint16_t>(year);
    t.month = static_cast<std::uint16_t>(month);
    t.day = static_cast<std::uint16_t>(day);
    t.hour = static_cast<std::uint16_t>(ms / 3600000);
    t.minute = static_cast<std::uint16_t>(ms / 60000 % 60);
    t.second = static_cast<std::uint16_t>(ms / 1000 % 60);
    t.millisecond = static_cast<std::uint16_t>(ms % 1000);
    return t;
}
