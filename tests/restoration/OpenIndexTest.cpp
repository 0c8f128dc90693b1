// Opening an index up to the list of elements: reading, locating the data at
// its expected place or among its versions, and listing a folder archive.
#include "restoration/OpenIndex.h"

#include <gtest/gtest.h>

#include "IndexFileWriter.h"
#include "TempDir.h"
#include "ZipWriter.h"
#include "backup_index/Backupproindex.h"
#include "platform/FileAttributes.h"

namespace {

using testsupport::kSep;
using testsupport::Sep;
using testsupport::TempDir;
using Names = std::vector<std::string>;

class OpenIndex : public ::testing::Test {
protected:
    // Writes index "Docs" into the temporary folder.
    std::string WriteIndex(bool compressed, bool stamped = false) {
        dir.write("Docs.lxi", indexwriter::BinaryIndex(indexwriter::DocsIndex(compressed, stamped)).bytes());
        return dir.file("Docs.lxi");
    }

    // A chooser that records its call and answers as told.
    ArchiveVersionChooser Chooser(std::string answer) {
        return [this, answer](const LocatedArchive& located) {
            ++chooserCalls;
            offeredFolder = located.indexFolder;
            for (const auto& version : located.versions) offered.push_back(version.location);
            return answer == "/" || answer.empty() ? answer : located.indexFolder + Sep(answer);
        };
    }

    TempDir dir;
    ArchiveListing listing;
    bool cancelled = false;
    int chooserCalls = 0;
    std::string offeredFolder;
    Names offered;
};

TEST_F(OpenIndex, AMissingOrUnreadableIndexGivesItsCode) {
    EXPECT_EQ(OpenIndexFile(dir.file("none.lxi"), Chooser(""), listing, cancelled), kOpenIndexMissing);
    dir.write("not.lxi", "this is no index");
    EXPECT_EQ(OpenIndexFile(dir.file("not.lxi"), Chooser(""), listing, cancelled), kIndexBadSignature);
    EXPECT_EQ(chooserCalls, 0);
}

TEST_F(OpenIndex, DataAtTheExpectedPlaceIsListedWithoutASearch) {
    const std::string index = WriteIndex(true);
    ziptest::ZipWriter().Add("Docs/a.txt", "a").Add("b.txt", "b").WriteTo(dir.file("Docs.zip"));
    dir.write("Docs 2005-02-28_10-00.zip", "an older version, not offered");
    ASSERT_EQ(OpenIndexFile(index, Chooser(""), listing, cancelled), 0);
    EXPECT_EQ(chooserCalls, 0);
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(listing.archivePath, dir.file("Docs.zip"));
    EXPECT_EQ(listing.elementNames, (Names{Sep("Docs/"), "b.txt"}));
    EXPECT_EQ(listing.destinationFolders, Names(2, listing.defaultDestination));
}

// Asked for every version, the chooser sees the data at its place first and
// once, though the search finds it as well, and may pick an older one.
TEST_F(OpenIndex, SearchingAlwaysOffersTheCurrentDataFirstAndOnce) {
    const std::string index = WriteIndex(true);
    ziptest::ZipWriter().Add("new.txt", "n").WriteTo(dir.file("Docs.zip"));
    ziptest::ZipWriter().Add("old.txt", "o").WriteTo(dir.file("Docs 2005-02-28_10-00.zip"));
    ASSERT_EQ(OpenIndexFile(index, Chooser("Docs 2005-02-28_10-00.zip"), listing, cancelled, nullptr,
                            VersionSearch::kAlways),
              0);
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_EQ(offered, (Names{"Docs.zip", "Docs 2005-02-28_10-00.zip"}));
    EXPECT_EQ(listing.elementNames, Names{"old.txt"});

    LocatedArchive located;
    ASSERT_EQ(LocateArchive(index, located, VersionSearch::kAlways), 0);
    EXPECT_TRUE(located.currentFirst);
    ASSERT_EQ(LocateArchive(index, located), 0);
    EXPECT_FALSE(located.currentFirst);
    EXPECT_TRUE(located.versions.empty());
}

TEST_F(OpenIndex, FolderArchiveListsFoldersFirstHiddenEntriesIncluded) {
    const std::string index = WriteIndex(false);
    dir.write("Docs/b.txt", "");
    dir.write("Docs/a.txt", "");
    dir.write("Docs/.hidden", "");
    ASSERT_TRUE(platform::MarkHiddenAndSystem(dir.file("Docs/.hidden")));
    dir.mkdir("Docs/Zeta");
    dir.mkdir("Docs/Alpha");
    ASSERT_EQ(OpenIndexFile(index, Chooser(""), listing, cancelled), 0);
    EXPECT_EQ(listing.archivePath, dir.file("Docs/"));
    EXPECT_EQ(listing.elementNames, (Names{Sep("Alpha/"), Sep("Zeta/"), ".hidden", "a.txt", "b.txt"}));
}

TEST_F(OpenIndex, AnEmptyArchiveLeavesTheListingAsItWas) {
    const std::string index = WriteIndex(false);
    dir.mkdir("Docs");
    listing.archivePath = "earlier";
    EXPECT_EQ(OpenIndexFile(index, Chooser(""), listing, cancelled), kOpenArchiveEmpty);
    EXPECT_EQ(listing.archivePath, "earlier");
}

TEST_F(OpenIndex, VersionsAreOfferedInSearchOrderAndTheChoiceIsListed) {
    const std::string index = WriteIndex(true, true);  // expects "Docs 2005-03-01_09-30.zip"
    ziptest::ZipWriter().Add("old.txt", "o").WriteTo(dir.file("Docs 2005-02-28_10-00.zip"));
    dir.write("Docs/x.txt", "x");
    ASSERT_EQ(OpenIndexFile(index, Chooser("Docs 2005-02-28_10-00.zip"), listing, cancelled), 0);
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_EQ(offeredFolder, dir.folder());
    EXPECT_EQ(offered, (Names{"Docs 2005-02-28_10-00.zip", Sep("Docs/")}));
    EXPECT_EQ(listing.archivePath, dir.file("Docs 2005-02-28_10-00.zip"));
    EXPECT_EQ(listing.elementNames, Names{"old.txt"});
}

TEST_F(OpenIndex, ACancelledChoiceChangesNothing) {
    const std::string index = WriteIndex(false, true);
    dir.write("Docs/x.txt", "x");
    listing.archivePath = "earlier";
    EXPECT_EQ(OpenIndexFile(index, Chooser("/"), listing, cancelled), 0);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(listing.archivePath, "earlier");
}

TEST_F(OpenIndex, NoDataAndNoVersionIsReportedWithoutAChoice) {
    const std::string index = WriteIndex(true);
    EXPECT_EQ(OpenIndexFile(index, Chooser("/"), listing, cancelled), kOpenNoArchive);
    EXPECT_EQ(chooserCalls, 0);
}

TEST_F(OpenIndex, LocateTellsWhereTheDataIsExpected) {
    const std::string index = WriteIndex(false, true);
    LocatedArchive located;
    ASSERT_EQ(LocateArchive(index, located), 0);
    EXPECT_EQ(located.indexFolder, dir.folder());
    EXPECT_EQ(located.baseName, "Docs");
    EXPECT_EQ(located.expectedPath, dir.file("Docs 2005-03-01_09-30/"));
    EXPECT_FALSE(located.expectedExists);
    EXPECT_TRUE(located.versions.empty());
}

}  // namespace
