#include "archive_location/ArchiveVersions.h"

#include <gtest/gtest.h>

#include "TempDir.h"

namespace {

using testsupport::kSep;
using testsupport::Seps;
using testsupport::TempDir;

std::vector<std::string> Locations(const std::vector<ArchiveVersion>& versions) {
    std::vector<std::string> locations;
    for (const auto& version : versions) locations.push_back(version.location);
    return locations;
}

TEST(ArchiveVersions, NothingFoundInAnEmptyOrMissingFolder) {
    TempDir dir;
    dir.write("Other.zip", "");
    EXPECT_TRUE(FindArchiveVersions(dir.folder(), "Docs").empty());
    EXPECT_TRUE(FindArchiveVersions(dir.file("missing/"), "Docs").empty());
}

TEST(ArchiveVersions, StepsComeInTheirOrderEachInNameOrder) {
    TempDir dir;
    // Created out of order on purpose.
    dir.write("Docs 2005-03-01_09-30.zip", "");
    dir.write("Docs 2005-02-28_10-00.zip", "");
    dir.mkdir("Docs 2004-01-01_00-00");                 // step 6
    dir.write("2005-01-02_03-04/Docs.zip", "");         // step 3
    dir.mkdir("Docs/2003-05-06_07-08");                 // step 4 (and hides step 5)
    dir.write("Docs.zip", "");                          // step 1
    dir.write("Docs 2005-ab-28_10-00.zip", "");         // not a stamp
    dir.write("2005-01-02_03-05/Other.zip", "");        // a stamp folder without Docs.zip
    dir.mkdir("Docs 2005-02-28_10-00.zip.d");           // matches no pattern

    const auto versions = FindArchiveVersions(dir.folder(), "Docs");
    EXPECT_EQ(Locations(versions), Seps({
                                       "Docs.zip",
                                       "Docs 2005-02-28_10-00.zip",
                                       "Docs 2005-03-01_09-30.zip",
                                       "2005-01-02_03-04/Docs.zip",
                                       "Docs/2003-05-06_07-08/",
                                       "Docs 2004-01-01_00-00/",
                                   }));
    ASSERT_EQ(versions.size(), 6u);
    EXPECT_EQ(versions[0].stamp.year, 0);
    EXPECT_EQ(versions[1].stamp.year, 2005);
    EXPECT_EQ(versions[1].stamp.month, 2);
    EXPECT_EQ(versions[1].stamp.day, 28);
    EXPECT_EQ(versions[1].stamp.hour, 10);
    EXPECT_EQ(versions[4].stamp.year, 2003);
    EXPECT_EQ(versions[4].stamp.minute, 8);
}

TEST(ArchiveVersions, PlainFolderOnlyWithoutStampFoldersInside) {
    TempDir dir;
    dir.write("Docs/a.txt", "");
    EXPECT_EQ(Locations(FindArchiveVersions(dir.folder(), "Docs")), Seps({"Docs/"}));
    dir.mkdir("Docs/2005-02-28_10-00");
    EXPECT_EQ(Locations(FindArchiveVersions(dir.folder(), "Docs")), Seps({"Docs/2005-02-28_10-00/"}));
}

TEST(ArchiveVersions, FilesAndFoldersOnlyWhereEachStepWantsThem) {
    TempDir dir;
    dir.mkdir("Docs 2005-02-28_10-00.zip");  // a folder where step 2 wants a file
    dir.write("Docs 2005-02-28_10-00", "");  // a file where step 6 wants a folder
    dir.write("2005-02-28_10-00", "");       // a file where step 3 wants a folder
    dir.write("Docs/2005-02-28_10-00", "");  // a file where step 4 wants a folder
    EXPECT_EQ(Locations(FindArchiveVersions(dir.folder(), "Docs")), Seps({"Docs/"}));
}

TEST(ArchiveVersions, MatchesWithoutRegardToCaseAndIncludesHiddenNames) {
    TempDir dir;
    dir.write("docs 2005-02-28_10-00.ZIP", "");
    dir.write(".Docs 2005-02-28_10-00.zip", "");  // hidden on POSIX, but another name
    dir.mkdir("DOCS 2006-01-01_00-00");
    const auto versions = FindArchiveVersions(dir.folder(), "Docs");
    EXPECT_EQ(Locations(versions), Seps({"docs 2005-02-28_10-00.ZIP", "DOCS 2006-01-01_00-00/"}));
}

TEST(ArchiveVersions, InvalidDatesAreListedUnderTheNameFound) {
    TempDir dir;
    dir.write("Docs 2005-02-30_10-00.zip", "");
    dir.write("2005-13-01_10-00/Docs.zip", "");
    dir.mkdir("Docs/2005-02-28_24-00");
    dir.mkdir("Docs 0000-01-01_00-00");
    const auto versions = FindArchiveVersions(dir.folder(), "Docs");
    EXPECT_EQ(Locations(versions), Seps({
                                       "Docs 2005-02-30_10-00.zip",
                                       "2005-13-01_10-00/Docs.zip",
                                       "Docs/2005-02-28_24-00/",
                                       "Docs 0000-01-01_00-00/",
                                   }));
    EXPECT_EQ(versions[0].stamp.day, 30);
    EXPECT_EQ(versions[1].stamp.month, 13);
}

}  // namespace

namespace {

TEST(ArchiveVersionDateText, UnknownForZeroStampsAndInvalidDates) {
    EXPECT_EQ(ArchiveVersionDateText(CalendarTime{}, "Unknown"), "Unknown");
    EXPECT_EQ(ArchiveVersionDateText(CalendarTime{2005, 2, 30, 10, 0}, "Unknown"), "Unknown");
    EXPECT_EQ(ArchiveVersionDateText(CalendarTime{2005, 13, 1, 10, 0}, "Unknown"), "Unknown");
    EXPECT_EQ(ArchiveVersionDateText(CalendarTime{2005, 2, 28, 24, 0}, "Unknown"), "Unknown");
    EXPECT_EQ(ArchiveVersionDateText(CalendarTime{0, 2, 28, 10, 0}, "Unknown"), "Unknown");
    const std::string valid = ArchiveVersionDateText(CalendarTime{2005, 2, 28, 10, 0}, "Unknown");
    EXPECT_NE(valid, "Unknown");
    EXPECT_NE(valid.find("2005"), std::string::npos) << valid;
}

}  // namespace
