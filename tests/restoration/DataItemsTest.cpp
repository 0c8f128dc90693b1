// Listing every item of a backup's data: a ZIP archive's items with their
// directory details, a folder copy's entries depth first.
#include "restoration/DataItems.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "ZipWriter.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using testsupport::Sep;
using testsupport::TempDir;
using Kind = DataItem::Kind;

std::vector<std::string> NamesOf(const DataItems& list) {
    std::vector<std::string> names;
    for (const DataItem& item : list.items) names.push_back(item.name);
    return names;
}

TEST(DataItems, AZipArchiveGivesEveryItemWithItsDirectoryDetails) {
    TempDir dir;
    ziptest::Entry encrypted;
    encrypted.name = "locked.bin";
    encrypted.data = "x";
    encrypted.flags = 1;
    ziptest::Entry undated;
    undated.name = "undated.txt";
    undated.dosDate = 0;  // month 0: no real date
    ziptest::ZipWriter()
        .Add("Docs/", "")
        .Add("Docs\\a.txt", std::string(1000, 'a'), 8)
        .Add("b.txt", "bb")
        .Add(encrypted)
        .Add(undated)
        .WriteTo(dir.file("data.zip"));

    const DataItems list = ListDataItems(dir.file("data.zip"));
    EXPECT_FALSE(list.recovered);
    EXPECT_EQ(NamesOf(list), (std::vector<std::string>{Sep("Docs/"), Sep("Docs/a.txt"), "b.txt", "locked.bin",
                                                        "undated.txt"}));
    ASSERT_EQ(list.items.size(), 5u);
    EXPECT_EQ(list.items[0].kind, Kind::Folder);

    const DataItem& deflated = list.items[1];
    EXPECT_EQ(deflated.kind, Kind::File);
    EXPECT_EQ(deflated.size, 1000u);
    ASSERT_TRUE(deflated.zip);
    EXPECT_EQ(CompressionMethodName(deflated.zip->method), "Deflated");
    EXPECT_LT(deflated.zip->compressedSize, 100u);
    ASSERT_TRUE(deflated.modified);
    EXPECT_EQ((std::vector<int>{deflated.modified->year, deflated.modified->month, deflated.modified->day,
                                deflated.modified->hour, deflated.modified->minute, deflated.modified->second}),
              (std::vector<int>{2024, 6, 15, 13, 45, 20}));

    EXPECT_EQ(list.items[2].zip->crc32, 0xb5ae1baeu) << std::hex << list.items[2].zip->crc32;  // CRC-32 of "bb"
    EXPECT_EQ(CompressionMethodName(list.items[2].zip->method), "Stored");
    EXPECT_TRUE(list.items[3].zip->encrypted);
    EXPECT_FALSE(list.items[2].zip->encrypted);
    EXPECT_FALSE(list.items[4].modified);
}

TEST(DataItems, MethodNamesCoverTheKnownCodesAndNameTheOthersByNumber) {
    const std::vector<std::pair<std::uint16_t, std::string>> cases = {
        {0, "Stored"},    {1, "Shrunk"},     {2, "Reduced1"}, {5, "Reduced4"}, {6, "Imploded"},
        {8, "Deflated"},  {9, "Deflate64"},  {12, "BZip2"},   {14, "LZMA"},    {99, "AES"},
        {7, "method 7"},  {65535, "method 65535"},
    };
    for (const auto& [method, name] : cases) EXPECT_EQ(CompressionMethodName(method), name) << method;
}

TEST(DataItems, AFolderCopyIsListedDepthFirstWithLinksNotFollowed) {
    TempDir dir;
    dir.write("Docs/b.txt", "12345");
    dir.write("Docs/Sub/c.txt", "c");
    dir.mkdir("Docs/Sub/Empty");
    dir.write("Docs/a.txt", "");
    dir.write("outside/secret.txt", "s");
#ifndef _WIN32
    fs::create_directory_symlink(dir.file("outside"), dir.file("Docs/Link"));
#endif

    const DataItems list = ListDataItems(dir.file("Docs/"));
    std::vector<std::string> expected = {"a.txt", "b.txt"};
#ifndef _WIN32
    expected.push_back("Link");
#endif
    for (const char* name : {"Sub/", "Sub/c.txt", "Sub/Empty/"}) expected.push_back(Sep(name));
    EXPECT_EQ(NamesOf(list), expected);
    EXPECT_TRUE(list.unreadFolders.empty());
    for (const DataItem& item : list.items) {
        EXPECT_FALSE(item.zip) << item.name;
        EXPECT_TRUE(item.modified) << item.name;
    }
    EXPECT_EQ(list.items[1].size, 5u);
    EXPECT_EQ(list.items[1].kind, Kind::File);
#ifndef _WIN32
    EXPECT_EQ(list.items[2].kind, Kind::Link);
#endif
    EXPECT_EQ(list.items[expected.size() - 3].kind, Kind::Folder);
}

#ifndef _WIN32
TEST(DataItems, AFolderThatCannotBeReadIsNamedAndTheRestListed) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    TempDir dir;
    dir.write("Docs/Closed/hidden.txt", "h");
    dir.write("Docs/z.txt", "z");
    ASSERT_EQ(::chmod(dir.file("Docs/Closed").c_str(), 0), 0);
    const DataItems list = ListDataItems(dir.file("Docs/"));
    ::chmod(dir.file("Docs/Closed").c_str(), 0700);
    EXPECT_EQ(NamesOf(list), (std::vector<std::string>{"Closed/", "z.txt"}));
    EXPECT_EQ(list.unreadFolders, std::vector<std::string>{dir.file("Docs/Closed/")});
}
#endif

TEST(DataItems, AFolderThatIsGoneIsNamedAsUnread) {
    TempDir dir;
    const DataItems list = ListDataItems(dir.file("none/"));
    EXPECT_TRUE(list.items.empty());
    EXPECT_EQ(list.unreadFolders, std::vector<std::string>{dir.file("none/")});
}

}  // namespace
