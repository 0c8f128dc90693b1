// The date-time value of index files: days since 1899-12-30 00:00 as a double,
// the fraction being the time of day. Conversions to and from calendar fields.
#pragma once

#include <optional>

#include "platform/CalendarTime.h"

// The value for a valid calendar date and time (year 1 to 9999), or nothing.
std::optional<double> EncodeDateTime(const CalendarTime& time);
// The calendar fields of a value (rounded to the millisecond), or nothing when
// the value lies outside years 1 to 9999 or is not a number.
std::optional<CalendarTime> DecodeDateTime(double value);
