// The text of the progress line: counts, plurals, rate, time left, and the cut.
#include "ProgressLine.h"

#include <gtest/gtest.h>

namespace {

using cli::Progress;
using cli::ProgressText;
using namespace std::chrono_literals;

TEST(ProgressLine, ShowsCountsTotalsRateAndTimeLeft) {
    struct Case {
        Progress progress;
        std::chrono::duration<double> elapsed;
        std::string text;
    };
    const Case cases[] = {
        {{1, 1, 0, 0, "a.txt"}, 0s, "1/1 file, 0 B  a.txt"},
        {{2, 0, 1536, 0, "b"}, 0s, "2 files, 1.5 KiB  b"},  // a folder copy: no totals
        {{1, 4, 1 << 20, 4 << 20, "c"}, 2s, "1/4 files, 1.0 MiB/4.0 MiB 25%, 512.0 KiB/s, 0:06 left  c"},
        {{4, 4, 4 << 20, 4 << 20, ""}, 1s, "4/4 files, 4.0 MiB/4.0 MiB 100%, 4.0 MiB/s"},
    };
    for (const auto& c : cases) EXPECT_EQ(ProgressText(c.progress, c.elapsed, 200), c.text);
}

TEST(ProgressLine, FitsTheWidthKeepingTheNamesEnd) {
    const std::string name = std::string(100, 'x') + "/end.txt";
    for (unsigned width : {0u, 1u, 10u, 40u, 80u}) {
        const std::string text = ProgressText({3, 9, 10, 90, name}, 0s, width);
        EXPECT_LT(text.size(), std::max(width, 1u)) << width;
    }
    const std::string text = ProgressText({3, 9, 10, 90, name}, 0s, 40);
    EXPECT_EQ(text.find("3/9 files, 10 B/90 B 11%  ..."), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 8), "/end.txt");
    // A multi-byte character is never cut in two, and a newline is shown escaped.
    const Progress wide{1, 1, 0, 0, std::string(40, 'y') + "\xc3\xa9z\n"};
    EXPECT_EQ(ProgressText(wide, 0s, 26), "1/1 file, 0 B  ...\xc3\xa9z\\x0a");
    EXPECT_EQ(ProgressText(wide, 0s, 25), "1/1 file, 0 B  ...z\\x0a");
}

}  // namespace
