// The time stamp that names of archives and folders carry: "yyyy-mm-dd_hh-nn",
// 16 characters, every field zero-padded, no seconds.
#pragma once

#include <string>
#include <string_view>

#include "backup_index/DateTimeValue.h"

inline constexpr std::size_t kTimestampLength = 16;

// The stamp of the fields' year, month, day, hour and minute, as they are.
std::string FormatTimestamp(const CalendarTime& time);
// The stamp of a date-time value; "0000-00-00_00-00" when the value names no
// calendar date (not a number, or outside years 1 to 9999).
std::string FormatTimestamp(double dateTime);

// Reads a stamp from the text's fixed positions (year 0-3, month 5-6, day 8-9,
// hour 11-12, minute 14-15); the characters between them and anything after
// position 15 are not examined, and the numbers' ranges are not checked. Sets
// every field of the stamp time to 0 first; false when a field is not all digits.
bool ParseTimestamp(std::string_view text, CalendarTime& stamp);
