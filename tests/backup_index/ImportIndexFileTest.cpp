#include <gtest/gtest.h>

#include "IndexFixtures.h"
#include "TempDir.h"
#include "backup_index/Backupproindex.h"

namespace {

using fixtures::FieldsOf;
using testsupport::TempDir;

TEST(BackupIndexModel, StartsWithTheInitialValues) {
    VUvivuzOvuDodid index;
    EXPECT_EQ(index.name, "New Item");
    EXPECT_TRUE(index.elements.empty());
    EXPECT_EQ(index.include_mask, "*.*");
    EXPECT_EQ(index.exclude_mask, "");
    EXPECT_FALSE(index.apply_masks_to_folders);
    EXPECT_EQ(index.device, "");
    EXPECT_EQ(index.backup_folder, "");
    EXPECT_EQ(index.writing_speed, -1);
    EXPECT_EQ(index.compression_level, 2);
    EXPECT_FALSE(index.use_timestamps);
    EXPECT_EQ(index.timestamps_using_method, 0);
    EXPECT_TRUE(index.use_compression);
    EXPECT_EQ(index.last_update, -1.0);
    EXPECT_EQ(index.version, 100);
    EXPECT_FALSE(index.file_handle);
    EXPECT_EQ(index.file_name, "");
}

TEST(BackupIndexModel, CopiesOfAnElementAreIndependent) {
    CBackupElement source{{"a", "b"}, "C:\\x\\", true};
    CBackupElement copy = source;
    copy.exclusions.push_back("c");
    copy.exclusions[0] = "changed";
    EXPECT_EQ(source.exclusions, (std::vector<std::string>{"a", "b"}));

    CBackupElement target{{"old1", "old2", "old3"}, "old", false};
    target = source;
    EXPECT_EQ(target.exclusions, source.exclusions);
    EXPECT_EQ(target.name, "C:\\x\\");
    EXPECT_TRUE(target.is_excluded);
}

TEST(ImportIndexFile, ReadsTheXmlFormWithoutTheBinaryReader) {
    TempDir dir;
    dir.write("index.lxi", indexwriter::XmlIndex(fixtures::FullContents(), platform::UserDateTimeConventions()));
    VUvivuzOvuDodid index;
    EXPECT_EQ(ImportIndexFile(index, dir.file("index.lxi")), 0);
    EXPECT_EQ(index.name, "Weekly documents");
    EXPECT_EQ(index.file_name, "") << "the binary reader was tried";
}

TEST(ImportIndexFile, ReadsTheBinaryForm) {
    TempDir dir;
    dir.write("index.lxi", indexwriter::BinaryIndex(fixtures::FullContents()).bytes());
    VUvivuzOvuDodid index;
    EXPECT_EQ(ImportIndexFile(index, dir.file("index.lxi")), 0);
    EXPECT_EQ(FieldsOf(index), FieldsOf(fixtures::FullContents()));
}

// A file in neither form reports the binary reader's code, never -2.
TEST(ImportIndexFile, AFileInNeitherFormGivesTheBinaryReadersCode) {
    const struct {
        const char* what;
        std::string bytes;
        std::int32_t expected;
    } cases[] = {
        {"other XML", "<?xml version=\"1.0\"?><settings type=\"backup\"/>", kIndexBadSignature},
        {"text", "hello", kIndexBadSignature},
        {"empty", "", kIndexFileTooShort},
        {"newer binary", std::string("LXBI\x65\0\0\0", 8), kIndexNewerVersion},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("index.lxi", c.bytes);
        VUvivuzOvuDodid index;
        EXPECT_EQ(ImportIndexFile(index, dir.file("index.lxi")), c.expected) << c.what;
    }
    TempDir dir;
    VUvivuzOvuDodid index;
    EXPECT_EQ(ImportIndexFile(index, dir.file("missing.lxi")), kIndexCannotOpen);
}

TEST(ImportIndexFile, ASecondFileLeavesOnlyItsOwnElements) {
    TempDir dir;
    dir.write("binary.lxi", indexwriter::BinaryIndex(fixtures::FullContents()).bytes());
    auto none = fixtures::FullContents();
    none.elements.clear();
    dir.write("xml.lxi", indexwriter::XmlIndex(none, platform::UserDateTimeConventions()));
    VUvivuzOvuDodid index;
    ASSERT_EQ(ImportIndexFile(index, dir.file("binary.lxi")), 0);
    ASSERT_EQ(index.elements.size(), 3u);
    ASSERT_EQ(ImportIndexFile(index, dir.file("xml.lxi")), 0);
    EXPECT_TRUE(index.elements.empty());
}

}  // namespace
