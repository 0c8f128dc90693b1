#include "platform/DateTimeText.h"

#include <gtest/gtest.h>

namespace {

// The system's date formatting starts in 1601: earlier dates are refused.
TEST(DateTimeTextWin32, NothingForDatesTheSystemRefuses) {
    EXPECT_FALSE(platform::FormatLongDate({1600, 12, 31, 0, 0, 0, 0}));
    EXPECT_FALSE(platform::FormatLongDateAndTime({1600, 12, 31, 0, 0, 0, 0}));
    EXPECT_TRUE(platform::FormatLongDate({1601, 1, 1, 0, 0, 0, 0}));
}

}  // namespace
