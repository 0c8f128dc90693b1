#include "platform/DateTimeText.h"

#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"

namespace {

using platform::DateTimeConventions;
using Order = DateTimeConventions::Order;

DateTimeConventions Conventions(Order order, std::string separator, std::string suffix = "",
                                std::string timeSeparator = ":") {
    DateTimeConventions c;
    c.order = order;
    c.dateSeparators = {separator, separator};
    c.dateSuffix = suffix;
    c.timeSeparator = timeSeparator;
    return c;
}

const DateTimeConventions kUs = Conventions(Order::MonthDayYear, "/");
const DateTimeConventions kGerman = Conventions(Order::DayMonthYear, ".");
const DateTimeConventions kIso = Conventions(Order::YearMonthDay, "-");
const DateTimeConventions kHungarian = Conventions(Order::YearMonthDay, ". ", ".");

struct ParseCase {
    const char* name;
    const char* text;
    const DateTimeConventions* conventions;
    CalendarTime expected;
};

class DateTimeTextParses : public ::testing::TestWithParam<ParseCase> {};

TEST_P(DateTimeTextParses, ReadsTheFields) {
    const ParseCase& c = GetParam();
    auto t = platform::ParseDateTimeText(c.text, *c.conventions);
    ASSERT_TRUE(t) << c.text;
    const CalendarTime& e = c.expected;
    EXPECT_EQ(t->year, e.year) << c.text;
    EXPECT_EQ(t->month, e.month) << c.text;
    EXPECT_EQ(t->day, e.day) << c.text;
    EXPECT_EQ(t->hour, e.hour) << c.text;
    EXPECT_EQ(t->minute, e.minute) << c.text;
    EXPECT_EQ(t->second, e.second) << c.text;
    EXPECT_EQ(t->millisecond, e.millisecond) << c.text;
}

INSTANTIATE_TEST_SUITE_P(, DateTimeTextParses, ::testing::Values(
    ParseCase{"UsDateOnly", "03/05/2024", &kUs, {2024, 3, 5, 0, 0, 0, 0}},
    ParseCase{"UsTwoDigitYearAndTime", "3/5/24 14:30", &kUs, {2024, 3, 5, 14, 30, 0, 0}},
    ParseCase{"UsSpacesAndLowerCasePm", "  3/5/2024   2:30:07 pm ", &kUs, {2024, 3, 5, 14, 30, 7, 0}},
    ParseCase{"UsMidnightHourWithFraction", "3/5/2024 12:05:09.5AM", &kUs, {2024, 3, 5, 0, 5, 9, 500}},
    ParseCase{"UsNoon", "3/5/2024 12:00 PM", &kUs, {2024, 3, 5, 12, 0, 0, 0}},
    ParseCase{"UsYear29IsThisCentury", "1/1/29", &kUs, {2029, 1, 1, 0, 0, 0, 0}},
    ParseCase{"UsYear30IsTheLastCentury", "1/1/30", &kUs, {1930, 1, 1, 0, 0, 0, 0}},
    ParseCase{"UsFourDigitYearBefore1000", "1/1/0999", &kUs, {999, 1, 1, 0, 0, 0, 0}},
    ParseCase{"GermanLeapDayWithMilliseconds", "29.02.2000 23:59:59.999", &kGerman, {2000, 2, 29, 23, 59, 59, 999}},
    ParseCase{"GermanDateOnly", "05.03.2024", &kGerman, {2024, 3, 5, 0, 0, 0, 0}},
    ParseCase{"IsoDateAndTime", "2024-03-05 08:00", &kIso, {2024, 3, 5, 8, 0, 0, 0}},
    ParseCase{"HungarianDateOnly", "2024. 03. 05.", &kHungarian, {2024, 3, 5, 0, 0, 0, 0}},
    ParseCase{"HungarianDateAndTime", "2024. 03. 05 7:15", &kHungarian, {2024, 3, 5, 7, 15, 0, 0}}),
    testsupport::CaseName());

TEST(DateTimeText, RefusesTextsOutsideTheGrammarOrTheCalendar) {
    const char* invalid[] = {
        "", "   ", "not a date", "2024-03-05", "3/5", "3/5/", "3/5/2024x", "3/5/2024 14", "3/5/2024 14:",
        "3/5/2024 14:30:", "3/5/2024 14:30 junk", "3/5/2024 14:30:00.", "3/5/202414:30",
        "13/1/2024", "0/5/2024", "2/30/2024", "2/29/1900", "1/1/0000", "3/5/2024 24:00", "3/5/2024 12:60",
        "3/5/2024 13:00 PM", "3/5/2024 0:30 AM", "3/5/12345", "003/5/2024", "3 /5/2024",
    };
    for (const char* text : invalid) EXPECT_FALSE(platform::ParseDateTimeText(text, kUs)) << '"' << text << '"';
}

TEST(DateTimeText, ReadsTheLocalesOwnDesignators) {
    DateTimeConventions c = kGerman;
    c.amDesignator = "vorm.";
    c.pmDesignator = "nachm.";
    auto t = platform::ParseDateTimeText("05.03.2024 3:10 Nachm.", c);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->hour, 15);
    t = platform::ParseDateTimeText("05.03.2024 3:10 PM", c);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->hour, 15);
}

struct DerivationCase {
    const char* date;
    const char* time;
    Order order;
    const char* separator1;
    const char* separator2;
    const char* suffix;
    const char* timeSeparator;
};

void ExpectConventions(const DateTimeConventions& c, const DerivationCase& e) {
    EXPECT_EQ(c.order, e.order) << e.date;
    EXPECT_EQ(c.dateSeparators[0], e.separator1) << e.date;
    EXPECT_EQ(c.dateSeparators[1], e.separator2) << e.date;
    EXPECT_EQ(c.dateSuffix, e.suffix) << e.date;
    EXPECT_EQ(c.timeSeparator, e.timeSeparator) << e.time;
}

TEST(DateTimeText, DerivesConventionsFromWindowsPictures) {
    const DerivationCase cases[] = {
        {"M/d/yyyy", "h:mm:ss tt", Order::MonthDayYear, "/", "/", "", ":"},
        {"dd.MM.yyyy", "HH:mm:ss", Order::DayMonthYear, ".", ".", "", ":"},
        {"yyyy-MM-dd", "HH.mm.ss", Order::YearMonthDay, "-", "-", "", "."},
        {"yyyy. MM. dd.", "H:mm:ss", Order::YearMonthDay, ". ", ". ", ".", ":"},
        {"dd'-'MM'-'yy", "HH'h'mm", Order::DayMonthYear, "-", "-", "", "h"},
        {"d/M/yyyy 'r.'", "tt h:mm:ss", Order::DayMonthYear, "/", "/", " r.", ":"},
        {"dd-MMM-yy", "HH:mm", Order::MonthDayYear, "/", "/", "", ":"},     // month names: fallback
        {"dddd, d.M.yyyy", "HH:mm", Order::MonthDayYear, "/", "/", "", ":"},  // extra field: fallback
    };
    for (const auto& e : cases) ExpectConventions(platform::ConventionsFromWindowsPictures(e.date, e.time, "AM", "PM"), e);
}

TEST(DateTimeText, DerivesConventionsFromStrftimeFormats) {
    const DerivationCase cases[] = {
        {"%m/%d/%y", "%H:%M:%S", Order::MonthDayYear, "/", "/", "", ":"},
        {"%D", "%T", Order::MonthDayYear, "/", "/", "", ":"},
        {"%F", "%r", Order::YearMonthDay, "-", "-", "", ":"},
        {"%d.%m.%Y", "%H.%M.%S", Order::DayMonthYear, ".", ".", "", "."},
        {"%-d.%-m.%Y", "%k:%M", Order::DayMonthYear, ".", ".", "", ":"},
        {"%e/%m/%Ey", "%OH:%OM", Order::DayMonthYear, "/", "/", "", ":"},
        {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", "%H\xE6\x99\x82%M\xE5\x88\x86",
         Order::YearMonthDay, "\xE5\xB9\xB4", "\xE6\x9C\x88", "\xE6\x97\xA5", "\xE6\x99\x82"},
        {"%Y. %m. %d.", "%p %I:%M:%S", Order::YearMonthDay, ". ", ". ", ".", ":"},
        {"%a %d %b %Y", "%H:%M", Order::MonthDayYear, "/", "/", "", ":"},  // names: fallback
        {"%d%%%m%%%Y", "%H:%M", Order::DayMonthYear, "%", "%", "", ":"},
    };
    for (const auto& e : cases) ExpectConventions(platform::ConventionsFromStrftimeFormats(e.date, e.time, "", ""), e);
}

TEST(DateTimeText, DerivedConventionsReadTheirOwnLocalesTexts) {
    auto german = platform::ConventionsFromStrftimeFormats("%d.%m.%Y", "%T", "", "");
    auto t = platform::ParseDateTimeText("31.12.1999 23:59", german);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->year, 1999);
    EXPECT_EQ(t->month, 12);
    EXPECT_EQ(t->day, 31);
    EXPECT_FALSE(platform::ParseDateTimeText("12/31/1999", german));
}

TEST(DateTimeText, RemovesTheSecondsFromStrftimeTimeFormats) {
    EXPECT_EQ(platform::StrftimeWithoutSeconds("%H:%M:%S"), "%H:%M");
    EXPECT_EQ(platform::StrftimeWithoutSeconds("%T"), "%H:%M");
    EXPECT_EQ(platform::StrftimeWithoutSeconds("%r"), "%I:%M %p");
    EXPECT_EQ(platform::StrftimeWithoutSeconds("%l:%M:%S %p %Z"), "%l:%M %p %Z");
    EXPECT_EQ(platform::StrftimeWithoutSeconds("%H.%M.%S Uhr"), "%H.%M Uhr");
    EXPECT_EQ(platform::StrftimeWithoutSeconds("%Hh%M 100%%"), "%Hh%M 100%%");
    EXPECT_EQ(platform::StrftimeWithoutSeconds(""), "%H:%M");
}

TEST(DateTimeText, KnowsTheDayOfTheWeek) {
    EXPECT_EQ(platform::WeekdayOf({2024, 3, 5}), 2);     // Tuesday
    EXPECT_EQ(platform::WeekdayOf({1899, 12, 30}), 6);   // Saturday
    EXPECT_EQ(platform::WeekdayOf({2000, 2, 29}), 2);    // Tuesday
    EXPECT_EQ(platform::WeekdayOf({1, 1, 1}), 1);        // Monday
    EXPECT_EQ(platform::WeekdayOf({9999, 12, 31}), 5);   // Friday
}

// The user's own locale, whatever it is on the machine running the test: a text
// written by its conventions is read back; nonsense is not.
TEST(DateTimeText, ReadsTheUsersShortDateWithAndWithoutTime) {
    const DateTimeConventions c = platform::UserDateTimeConventions();
    std::string date;
    switch (c.order) {
        case Order::DayMonthYear: date = "5" + c.dateSeparators[0] + "3" + c.dateSeparators[1] + "2024"; break;
        case Order::MonthDayYear: date = "3" + c.dateSeparators[0] + "5" + c.dateSeparators[1] + "2024"; break;
        case Order::YearMonthDay: date = "2024" + c.dateSeparators[0] + "3" + c.dateSeparators[1] + "5"; break;
    }
    auto t = platform::TextToDateTime(date + c.dateSuffix + " 14" + c.timeSeparator + "30");
    ASSERT_TRUE(t) << date;
    EXPECT_EQ(t->year, 2024);
    EXPECT_EQ(t->month, 3);
    EXPECT_EQ(t->day, 5);
    EXPECT_EQ(t->hour, 14);
    EXPECT_EQ(t->minute, 30);
    t = platform::TextToDateTime(date);
    ASSERT_TRUE(t) << date;
    EXPECT_EQ(t->hour, 0);

    EXPECT_FALSE(platform::TextToDateTime("not a date"));
    EXPECT_FALSE(platform::TextToDateTime(date + " 25" + c.timeSeparator + "00"));
}

TEST(DateTimeText, FormatsValidDatesAndRefusesInvalidOnes) {
    const CalendarTime valid{2024, 3, 5, 14, 30, 15, 0};
    auto date = platform::FormatLongDate(valid);
    ASSERT_TRUE(date);
    EXPECT_NE(date->find("2024"), std::string::npos) << *date;
    auto clock = platform::FormatTimeWithoutSeconds(valid);
    ASSERT_TRUE(clock);
    EXPECT_NE(clock->find("30"), std::string::npos) << *clock;
    EXPECT_EQ(clock->find("15"), std::string::npos) << *clock;
    EXPECT_EQ(platform::FormatLongDateAndTime(valid), *date + " " + *clock);

    const CalendarTime invalid{2023, 2, 29, 10, 0, 0, 0};
    EXPECT_FALSE(platform::FormatLongDate(invalid));
    EXPECT_FALSE(platform::FormatTimeWithoutSeconds({2024, 3, 5, 24, 0, 0, 0}));
    EXPECT_FALSE(platform::FormatLongDateAndTime(invalid));
}

}  // namespace

