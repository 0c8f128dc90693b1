// "extractor-cli verify": every item read as a restoration would, nothing written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "CliTestSupport.h"
#include "IndexFileWriter.h"
#include "TempDir.h"
#include "ZipWriter.h"

namespace {

using clitest::RunCli;
using testsupport::Sep;
using ziptest::Entry;
using ziptest::ZipWriter;

std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class Verify : public ::testing::Test {
protected:
    std::string Index(bool compressed) {
        dir.write("Docs.lxi", indexwriter::BinaryIndex(indexwriter::DocsIndex(compressed, false)).bytes());
        return dir.file("Docs.lxi");
    }
    testsupport::TempDir dir;
};

TEST_F(Verify, NamesEachBadItemWithItsReasonAndWritesNothing) {
    Entry badCrc;
    badCrc.name = "Docs/wrong.txt";
    badCrc.data = "damaged";
    badCrc.crc = 1234;
    Entry encrypted;
    encrypted.name = "secret.txt";
    encrypted.data = "s";
    encrypted.flags = 1;
    ZipWriter()
        .Add("Docs/", "")
        .Add("Docs/a.txt", std::string(5000, 'a'), 8)
        .Add(badCrc)
        .Add(encrypted)
        .Add("b.txt", "bb")
        .WriteTo(dir.file("backup.zip"));
    const auto outcome = RunCli({"verify", dir.file("backup.zip")});
    EXPECT_EQ(outcome.status, 1) << outcome.err;
    // The line names the item as the log does; the reason, as the archive stores it.
    EXPECT_EQ(outcome.out, "BAD " + Sep("Docs/wrong.txt") + ": Docs/wrong.txt: CRC-32 mismatch\n" +
                               "BAD secret.txt: secret.txt: the item is encrypted\n" +
                               "checked 4, good 2, bad 2, bytes 5002\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(FilesIn(dir.path().string()), std::set<std::string>{"backup.zip"});

    ZipWriter().Add("a.txt", "a", 8).Add("b.txt", "b").WriteTo(dir.file("good.zip"));
    const auto good = RunCli({"verify", "--json", dir.file("good.zip")});
    EXPECT_EQ(good.status, 0);
    EXPECT_NE(good.out.find("\"checked\": 2,\n  \"good\": 2,\n  \"bad\": 0,\n  \"bytes\": 2,\n  \"bad_items\": []"),
              std::string::npos)
        << good.out;
}

TEST_F(Verify, ReadsTheDataOfAnIndexAndWarnsWhenItWasRecovered) {
    const std::string index = Index(true);
    const std::string whole = ZipWriter().Add("Docs/a.txt", "a", 8).Add("b.txt", std::string(300, 'b')).Bytes();
    dir.write("Docs.zip", whole.substr(0, whole.find("b.txt") + 5 + 100));  // cut inside b's data
    const auto outcome = RunCli({"verify", "--json", index});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find("\"recovered\": true"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("\"name\": \"b.txt\",\n      \"reason\": \"Damaged archive: an item's data lies beyond "
                               "the end of the file\""),
              std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.err.find("warning"), std::string::npos);
}

TEST_F(Verify, ReadsEveryFileOfAFolderCopy) {
    const std::string index = Index(false);
    dir.write("Docs/Sub/a.txt", "aaa");
    dir.write("Docs/b.txt", "bb");
    auto outcome = RunCli({"verify", index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "checked 2, good 2, bad 0, bytes 5\n");

}

TEST_F(Verify, AnUnreadableFileOfAFolderCopyIsOneBadItem) {
    const std::string index = Index(false);
    dir.write("Docs/Sub/a.txt", "aaa");
    dir.write("Docs/b.txt", "bb");
    const std::filesystem::path locked = dir.file("Docs/b.txt");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    struct Unlock {
        std::filesystem::path path;
        ~Unlock() { std::filesystem::permissions(path, std::filesystem::perms::owner_all); }
    } unlock{locked};
    if (std::ifstream(locked).good()) GTEST_SKIP() << "files without permissions are readable here (administrator)";
    const auto outcome = RunCli({"verify", index});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "BAD " + dir.file("Docs/b.txt") + ": cannot be opened\nchecked 2, good 1, bad 1, bytes 3\n");
}

TEST_F(Verify, AFileThatIsNoArchiveEndsWithAnError) {
    dir.write("junk.zip", std::string(100, 'x'));
    const auto outcome = RunCli({"verify", dir.file("junk.zip")});
    EXPECT_EQ(outcome.status, 5);
    EXPECT_EQ(outcome.out, "");
}

}  // namespace
