#include "archive_location/ExpectedArchive.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "backup_index/Backupproindex.h"
#include "backup_index/DateTimeValue.h"

namespace {

using testsupport::kSep;
using testsupport::Sep;

TEST(ExpectedArchive, SixLayouts) {
    struct Case {
        bool compressed;
        bool stamps;
        int method;
        const char* location;
    };
    const Case cases[] = {
        {true, false, 0, "Docs.zip"},
        {true, true, 0, "Docs 2005-02-28_10-00.zip"},
        {true, true, 1, "2005-02-28_10-00/Docs.zip"},
        {true, true, 2, "Docs.zip"},  // an unknown method counts as no stamp
        {true, false, 1, "Docs.zip"},
        {false, false, 0, "Docs/"},
        {false, true, 0, "Docs 2005-02-28_10-00/"},
        {false, true, 1, "Docs/2005-02-28_10-00/"},
        {false, true, 2, "Docs/"},
        {false, true, -1, "Docs/"},
    };
    for (const auto& c : cases) {
        VUvivuzOvuDodid index;
        index.name = "Docs";
        index.use_compression = c.compressed;
        index.use_timestamps = c.stamps;
        index.timestamps_using_method = c.method;
        index.last_update = *EncodeDateTime(CalendarTime{2005, 2, 28, 10, 0, 30});
        EXPECT_EQ(GetExpectedArchivePath(index), Sep(c.location))
            << c.compressed << " " << c.stamps << " " << c.method;
    }
}

TEST(ExpectedArchive, NamingHelpersUseTheGivenValue) {
    VUvivuzOvuDodid index;
    index.name = "Docs";
    index.use_timestamps = true;
    const double value = *EncodeDateTime(CalendarTime{2010, 12, 31, 23, 5});
    index.timestamps_using_method = 0;
    EXPECT_EQ(index.GetArchiveBaseName(value), "Docs 2010-12-31_23-05");
    EXPECT_EQ(index.GetTimestampFolder(value), "");
    index.timestamps_using_method = 1;
    EXPECT_EQ(index.GetArchiveBaseName(value), "Docs");
    EXPECT_EQ(index.GetTimestampFolder(value), Sep("2010-12-31_23-05/"));
}

}  // namespace
