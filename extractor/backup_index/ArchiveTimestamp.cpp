#include "backup_index/ArchiveTimestamp.h"

#include <cstdio>

std::string FormatTimestamp(const CalendarTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u_%02u-%02u", unsigned{time.year}, unsigned{time.month},
                  unsigned{time.day}, unsigned{time.hour}, unsigned{time.minute});
    return text;
}

std::string FormatTimestamp(double dateTime) {
    // A value without a calendar date gets all-zero fields: the name keeps its
    // shape, and no backup is ever stamped so.
    return FormatTimestamp(DecodeDateTime(dateTime).value_or(CalendarTime{}));
}

namespace {

// The decimal number at [first, first + length), or -1 when a character there is
// not a digit or lies past the end of the text.
int DigitsAt(std::string_view text, std::size_t first, std::size_t length) {
    int value = 0;
    for (std::size_t i = first; i < first + length; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

bool ParseTimestamp(std::string_view text, CalendarTime& stamp) {
    stamp = CalendarTime{};
    const int year = DigitsAt(text, 0, 4);
    const int month = DigitsAt(text, 5, 2);
    const int day = DigitsAt(text, 8, 2);
    const int hour = DigitsAt(text, 11, 2);
    const int minute = DigitsAt(text, 14, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0) return false;
    stamp.year = static_cast<std::uint16_t>(year);
    stamp.month = static_cast<std::uint16_t>(month);
    stamp.day = static_cast<std::uint16_t>(day);
    stamp.hour = static_cast<std::uint16_t>(hour);
    stamp.minute = static_cast<std::uint16_t>(minute);
    return true;
}
