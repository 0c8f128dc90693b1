#include "platform/File.h"

#include <gtest/gtest.h>

#include "TempDir.h"

namespace {

using platform::File;
using testsupport::TempDir;

TEST(File, ReadsSeeksAndReportsEndOfFile) {
    TempDir dir;
    dir.write("data.bin", "0123456789");
    auto file = File::OpenExclusiveForReading(dir.file("data.bin"));
    ASSERT_TRUE(file);

    char buffer[16] = {};
    EXPECT_EQ(file->Read(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    EXPECT_EQ(file->Position(), 4);

    ASSERT_TRUE(file->Seek(8));
    EXPECT_EQ(file->Read(buffer, 16), 2);  // short read at the end
    EXPECT_EQ(std::string(buffer, 2), "89");
    EXPECT_EQ(file->Read(buffer, 16), 0);
}

TEST(File, MissingFileCannotBeOpened) {
    TempDir dir;
    EXPECT_FALSE(File::OpenExclusiveForReading(dir.file("missing.bin")));
}

TEST(File, ExclusiveOpenRefusesASecondOpener) {
    TempDir dir;
    dir.write("index.lxi", "x");
    auto first = File::OpenExclusiveForReading(dir.file("index.lxi"));
    ASSERT_TRUE(first);
    EXPECT_FALSE(File::OpenExclusiveForReading(dir.file("index.lxi")));
    first->Close();
    EXPECT_TRUE(File::OpenExclusiveForReading(dir.file("index.lxi")));
}

TEST(File, CreateForWritingReplacesContent) {
    TempDir dir;
    dir.write("out.txt", "old content");
    {
        auto file = File::CreateForWriting(dir.file("out.txt"));
        ASSERT_TRUE(file);
        EXPECT_TRUE(file->Write("new", 3));
    }
    EXPECT_EQ(dir.read("out.txt"), "new");
}

}  // namespace
