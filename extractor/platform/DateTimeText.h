// Date and time as text in the user's locale: reading a short date with an
// optional time, and writing a long date and a time without seconds.
//
// Reading ("a date in the user's short date format, optionally followed by a
// time"). Blanks (space, tab) before and after the whole text are ignored.
//   date  = number SEP1 number SEP2 number [SUFFIX]
//           three numbers in the order of the locale's short date pattern, with
//           the literal separators that pattern puts between its fields (for
//           example "3/5/2024" for M/d/yyyy, "05.03.2024" for dd.MM.yyyy,
//           "2024-03-05" for yyyy-MM-dd). SUFFIX is text the pattern puts after
//           its last field (such as the closing "." of "yyyy. MM. dd."); it may be left out.
//           Day and month have one or two digits; the year has one to four. A year
//           of one or two digits lies in 1930..2029 (00..29 give 2000..2029).
//           Month names and era fields of a pattern are not read.
//   time  = blank+ hour TSEP minute [TSEP second ["." milliseconds]] [blank* DESIGNATOR]
//           TSEP is the locale's time separator. DESIGNATOR is the locale's AM or
//           PM text, or "AM"/"PM", in any letter case; with it the hour is 1..12
//           (12 AM is midnight), without it 0..23. Milliseconds: one to three digits.
// The result must be a real calendar date (years 1..9999) and time of day.
//
// Where the locale comes from:
//   Windows: the user's default locale (LOCALE_USER_DEFAULT): its short date
//            pattern (LOCALE_SSHORTDATE), the separator of its time pattern
//            (LOCALE_STIMEFORMAT) and its AM/PM texts.
//   POSIX:   the LC_TIME category of the current C locale (nl_langinfo D_FMT,
//            T_FMT, AM_STR, PM_STR); a program that wants the user's settings calls
//            setlocale(LC_TIME, "") first. In the "C" locale this reads "03/05/24 14:30".
// A pattern that does not name exactly one day, one month and one year field
// falls back to month/day/year with "/" and ":".
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CalendarTime.h"

namespace platform {

// How a locale writes a short date and a time.
struct DateTimeConventions {
    enum class Order { DayMonthYear, MonthDayYear, YearMonthDay };
    Order order = Order::MonthDayYear;
    std::array<std::string, 2> dateSeparators{"/", "/"};  // between fields 1-2 and 2-3
    std::string dateSuffix;                               // after the last field
    std::string timeSeparator = ":";
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
};

// The conventions of the user's locale (see above).
DateTimeConventions UserDateTimeConventions();

// Reads a date with an optional time by the grammar above; nothing when the text does not fit.
std::optional<CalendarTime> ParseDateTimeText(std::string_view text, const DateTimeConventions& conventions);
// The same with the user's conventions.
std::optional<CalendarTime> TextToDateTime(std::string_view text);

// The date in the user's long date format, or nothing when the date is invalid
// or the platform refuses it. POSIX: weekday, day, month name and year from
// LC_TIME in the order of the short date ("Tuesday, March 5, 2024",
// "Dienstag, 5 März 2024", "Tuesday, 2024 March 5").
std::optional<std::string> FormatLongDate(const CalendarTime& time);
// The time of day without seconds in the user's format ("2:30 PM", "14:30"),
// or nothing when the time is invalid or refused. POSIX: T_FMT without its seconds.
std::optional<std::string> FormatTimeWithoutSeconds(const CalendarTime& time);
// FormatLongDate + " " + FormatTimeWithoutSeconds, or nothing when either gives nothing.
std::optional<std::string> FormatLongDateAndTime(const CalendarTime& time);

// Derivation of the conventions from the platforms' own patterns (portable, so
// that both can be tested anywhere).
// Windows: a short date picture such as "M/d/yyyy" or "dd'.'MM'.'yyyy" and a
// time picture such as "h:mm:ss tt".
DateTimeConventions ConventionsFromWindowsPictures(std::string_view shortDate, std::string_view timeFormat,
                                                   std::string_view am, std::string_view pm);
// POSIX: strftime formats such as "%m/%d/%y" and "%H:%M:%S".
DateTimeConventions ConventionsFromStrftimeFormats(std::string_view dateFormat, std::string_view timeFormat,
                                                   std::string_view am, std::string_view pm);

// A strftime time format without its seconds field and the literal just before
// it ("%H:%M:%S" -> "%H:%M", "%r" -> "%I:%M %p").
std::string StrftimeWithoutSeconds(std::string_view timeFormat);

// Day of the week of a valid date, 0 = Sunday.
int WeekdayOf(const CalendarTime& time);

}  // namespace platform
