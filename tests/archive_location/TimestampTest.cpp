#include <gtest/gtest.h>

#include <cmath>

#include "backup_index/ArchiveTimestamp.h"

namespace {

TEST(ParseTimestamp, ReadsFixedPositionsWithoutRangeChecks) {
    struct Case {
        const char* text;
        bool accepted;
        CalendarTime expected;
    };
    const Case cases[] = {
        {"2005-02-28_10-00", true, {2005, 2, 28, 10, 0}},
        {"2005-13-45_99-99", true, {2005, 13, 45, 99, 99}},  // ranges are not tested
        {"2005x02y28z10w30", true, {2005, 2, 28, 10, 30}},   // separators are not examined
        {"2005-02-28_10-00.zip", true, {2005, 2, 28, 10, 0}},  // the rest is ignored
        {"0000-00-00_00-00", true, {}},
        {"2005-ab-28_10-00", false, {}},
        {"2005-02-28_10-0", false, {}},  // a position past the end is no digit
        {"2005-02-28_1 -00", false, {}},
        {"", false, {}},
        {"-005-02-28_10-00", false, {}},
    };
    for (const auto& c : cases) {
        CalendarTime stamp{1, 1, 1, 1, 1, 1, 1};
        EXPECT_EQ(ParseTimestamp(c.text, stamp), c.accepted) << c.text;
        EXPECT_EQ(stamp.year, c.expected.year) << c.text;
        EXPECT_EQ(stamp.month, c.expected.month) << c.text;
        EXPECT_EQ(stamp.day, c.expected.day) << c.text;
        EXPECT_EQ(stamp.hour, c.expected.hour) << c.text;
        EXPECT_EQ(stamp.minute, c.expected.minute) << c.text;
        EXPECT_EQ(stamp.second, 0) << c.text;
        EXPECT_EQ(stamp.millisecond, 0) << c.text;
    }
}

TEST(FormatTimestamp, PadsEveryFieldAndDropsSeconds) {
    EXPECT_EQ(FormatTimestamp(CalendarTime{2005, 3, 1, 9, 5, 59}), "2005-03-01_09-05");
    const double value = *EncodeDateTime(CalendarTime{2005, 2, 28, 23, 59, 59, 999});
    EXPECT_EQ(FormatTimestamp(value), "2005-02-28_23-59");
    EXPECT_EQ(FormatTimestamp(-1.0), "1899-12-29_00-00");  // the "no time recorded" value
    EXPECT_EQ(FormatTimestamp(std::nan("")), "0000-00-00_00-00");
    EXPECT_EQ(FormatTimestamp(1.0e12), "0000-00-00_00-00");
}

}  // namespace
