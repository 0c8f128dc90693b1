#include "platform/FileCopy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/File.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;

TEST(FileCopy, CopiesOverAnExistingFileWithItsTime) {
    TempDir dir;
    dir.write("src.bin", std::string(100000, 'x') + "end");
    dir.write("dst.bin", "old content that is longer than nothing");
    const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(dir.file("src.bin"), stamp);
    std::int32_t cancel = 0;
    ASSERT_TRUE(platform::CopyFileWithCancel(dir.file("src.bin"), dir.file("dst.bin"), &cancel));
    EXPECT_EQ(dir.read("dst.bin"), std::string(100000, 'x') + "end");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"dst.bin", "src.bin"}));
    const auto copied = fs::last_write_time(dir.file("dst.bin"));
    EXPECT_LT(std::chrono::abs(copied - stamp), std::chrono::seconds(3));
}

TEST(FileCopy, CopiesEmptyFiles) {
    TempDir dir;
    dir.write("empty", "");
    std::int32_t cancel = 0;
    ASSERT_TRUE(platform::CopyFileWithCancel(dir.file("empty"), dir.file("copy"), &cancel));
    EXPECT_TRUE(dir.exists("copy"));
    EXPECT_EQ(dir.read("copy"), "");
}

TEST(FileCopy, RefusesMissingSourceReadOnlyAndLockedTargets) {
    TempDir dir;
    dir.write("src", "new");
    dir.write("readonly", "kept");
    fs::permissions(dir.file("readonly"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    dir.write("locked", "kept too");
    std::int32_t cancel = 0;

    EXPECT_FALSE(platform::CopyFileWithCancel(dir.file("none"), dir.file("x"), &cancel));
    EXPECT_FALSE(dir.exists("x"));
    EXPECT_FALSE(platform::CopyFileWithCancel(dir.file("src"), dir.file("readonly"), &cancel));
    EXPECT_EQ(dir.read("readonly"), "kept");
    {
        auto holder = platform::File::OpenExclusiveForReading(dir.file("locked"));
        ASSERT_TRUE(holder);
        EXPECT_FALSE(platform::CopyFileWithCancel(dir.file("src"), dir.file("locked"), &cancel));
    }
    EXPECT_EQ(dir.read("locked"), "kept too");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"locked", "readonly", "src"}));
}

TEST(FileCopy, RefusesASourceThatAnotherHolds) {
    TempDir dir;
    dir.write("src", "data");
    auto holder = platform::File::OpenExclusiveForReading(dir.file("src"));
    ASSERT_TRUE(holder);
    std::int32_t cancel = 0;
    EXPECT_FALSE(platform::CopyFileWithCancel(dir.file("src"), dir.file("dst"), &cancel));
}

TEST(FileCopy, ARaisedFlagLeavesNoTarget) {
    TempDir dir;
    dir.write("src", std::string(1 << 20, 'y'));
    std::int32_t cancel = 1;
    EXPECT_FALSE(platform::CopyFileWithCancel(dir.file("src"), dir.file("dst"), &cancel));
    EXPECT_FALSE(dir.exists("dst"));
}

}  // namespace
