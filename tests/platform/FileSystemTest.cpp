#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include "TempDir.h"

namespace {

using platform::EntryKind;
using testsupport::TempDir;

TEST(FileSystem, TellsFilesFromFolders) {
    TempDir dir;
    dir.write("a.txt", "a");
    dir.mkdir("sub");
    EXPECT_EQ(platform::KindOf(dir.file("a.txt")), EntryKind::File);
    EXPECT_EQ(platform::KindOf(dir.file("sub")), EntryKind::Folder);
    EXPECT_EQ(platform::KindOf(dir.file("none")), EntryKind::None);
    EXPECT_TRUE(platform::PathExists(dir.file("a.txt")));
    EXPECT_TRUE(platform::IsFolder(dir.file("sub")));
    EXPECT_FALSE(platform::IsFolder(dir.file("a.txt")));
}

TEST(FileSystem, CreatesOneLevelAndRemovesOnlyEmptyFolders) {
    TempDir dir;
    EXPECT_FALSE(platform::MakeFolder(dir.file("x/y")));  // parent missing
    EXPECT_TRUE(platform::MakeFolder(dir.file("x")));
    dir.write("x/f.txt", "f");
    EXPECT_FALSE(platform::RemoveEmptyFolder(dir.file("x")));
    EXPECT_TRUE(platform::RemoveFile(dir.file("x/f.txt")));
    EXPECT_TRUE(platform::RemoveEmptyFolder(dir.file("x")));
    EXPECT_FALSE(dir.exists("x"));
}

}  // namespace
