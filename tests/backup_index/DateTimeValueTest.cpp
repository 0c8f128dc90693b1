#include "backup_index/DateTimeValue.h"

#include <gtest/gtest.h>

#include <limits>

#include "CaseName.h"

namespace {

struct Case {
    const char* name;
    CalendarTime time;
    double value;
};

class DateTimeValueKnownPoints : public ::testing::TestWithParam<Case> {};

TEST_P(DateTimeValueKnownPoints, EncodesAndDecodes) {
    const Case& c = GetParam();
    auto encoded = EncodeDateTime(c.time);
    ASSERT_TRUE(encoded);
    EXPECT_DOUBLE_EQ(*encoded, c.value);
    auto decoded = DecodeDateTime(c.value);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->year, c.time.year);
    EXPECT_EQ(decoded->month, c.time.month);
    EXPECT_EQ(decoded->day, c.time.day);
    EXPECT_EQ(decoded->hour, c.time.hour);
    EXPECT_EQ(decoded->minute, c.time.minute);
    EXPECT_EQ(decoded->second, c.time.second);
}

INSTANTIATE_TEST_SUITE_P(, DateTimeValueKnownPoints,
    ::testing::Values(
        Case{"DayZero", {1899, 12, 30, 0, 0, 0, 0}, 0.0},
        Case{"HalfPastTheFirstDay", {1899, 12, 31, 12, 0, 0, 0}, 1.5},
        Case{"FirstOf1900", {1900, 1, 1, 0, 0, 0, 0}, 2.0},
        Case{"Morning2005", {2005, 2, 28, 10, 0, 0, 0}, 38411.0 + 10.0 / 24},
        Case{"LeapDay2000Evening", {2000, 2, 29, 18, 0, 0, 0}, 36585.75},
        Case{"BeforeDayZero", {1899, 12, 29, 6, 0, 0, 0}, -1.25}),
    testsupport::CaseName());

TEST(DateTimeValue, RefusesInvalidCalendarFields) {
    const CalendarTime invalid[] = {
        {2005, 2, 30, 10, 0, 0, 0}, {2005, 13, 1, 0, 0, 0, 0}, {2005, 1, 1, 24, 0, 0, 0},
        {1900, 2, 29, 0, 0, 0, 0}, {0, 1, 1, 0, 0, 0, 0},
    };
    for (const auto& t : invalid) EXPECT_FALSE(EncodeDateTime(t)) << t.year << '-' << t.month << '-' << t.day;
}

TEST(DateTimeValue, DecodingRoundsToTheNextMinuteAcrossMidnight) {
    auto t = DecodeDateTime(1.0 - 1e-10);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->day, 31);
    EXPECT_EQ(t->hour, 0);
}

TEST(DateTimeValue, DecodingRefusesValuesOutsideTheCalendar) {
    EXPECT_FALSE(DecodeDateTime(1e12));
    EXPECT_FALSE(DecodeDateTime(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace

