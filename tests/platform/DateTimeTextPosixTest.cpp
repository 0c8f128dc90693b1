// The "C" locale's conventions (the test program never calls setlocale).
#include "platform/DateTimeText.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTimeTextPosix, ReadsTheCLocalesShortDate) {
    auto t = platform::TextToDateTime("03/05/24 14:30");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->year, 2024);
    EXPECT_EQ(t->month, 3);
    EXPECT_EQ(t->day, 5);
    EXPECT_EQ(t->hour, 14);
    EXPECT_EQ(t->minute, 30);
    EXPECT_FALSE(platform::TextToDateTime("2024-03-05 14:30"));
    EXPECT_FALSE(platform::TextToDateTime("05.03.2024"));
}

TEST(DateTimeTextPosix, FormatsInTheCLocale) {
    EXPECT_EQ(platform::FormatLongDate({2024, 3, 5, 14, 30, 15, 0}), "Tuesday, March 5, 2024");
    EXPECT_EQ(platform::FormatTimeWithoutSeconds({2024, 3, 5, 14, 30, 15, 0}), "14:30");
    EXPECT_EQ(platform::FormatLongDateAndTime({1999, 12, 31, 9, 5, 0, 0}), "Friday, December 31, 1999 09:05");
}

}  // namespace
