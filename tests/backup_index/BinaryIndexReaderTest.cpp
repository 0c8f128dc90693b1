#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "IndexFixtures.h"
#include "TempDir.h"
#include "backup_index/Backupproindex.h"
#include "platform/File.h"

namespace {

using fixtures::Fields;
using fixtures::FieldsOf;
using indexwriter::BinaryBuilder;
using testsupport::TempDir;

// Writes the bytes to a file and reads it with ImportBinary.
struct BinaryRead {
    std::int32_t result;
    std::string path;
};

BinaryRead ImportBytes(VUvivuzOvuDodid& index, const TempDir& dir, const std::string& bytes,
                       const std::string& name = "index.lxi") {
    dir.write(name, bytes);
    const std::string path = dir.file(name);
    return {index.ImportBinary(path), path};
}

// The start of a file up to its element count, with a chosen count.
BinaryBuilder Header(std::int32_t version = 100, std::int32_t elementCount = 0) {
    BinaryBuilder b;
    b.Raw("LXBI").Int32(version).Text("Backup").Double(38411.5).Int32(elementCount);
    return b;
}

// The fields after the element records, with the values of FullContents().
BinaryBuilder& Tail(BinaryBuilder& b) {
    return b.Text("*.doc;*.txt").Text("*.bak").Flag(1).Text("F:").Text("Backups\\").Int32(16).Flag(0).Int32(9).Flag(1).Int32(1);
}

TEST(BinaryIndexReader, ReadsEveryFieldAndClosesTheFile) {
    TempDir dir;
    VUvivuzOvuDodid index;
    const auto contents = fixtures::FullContents();
    const auto read = ImportBytes(index, dir, indexwriter::BinaryIndex(contents).bytes());
    EXPECT_EQ(read.result, 0);
    EXPECT_EQ(FieldsOf(index), FieldsOf(contents));
    EXPECT_EQ(index.file_name, read.path);
    EXPECT_FALSE(index.file_handle);
    EXPECT_TRUE(platform::File::OpenExclusiveForReading(read.path)) << "the reader left the file open";
}

TEST(BinaryIndexReader, ARecordInsideALargerFileReportsItsOwnSize) {
    TempDir dir;
    const std::string record = indexwriter::BinaryIndex(fixtures::FullContents()).bytes();
    dir.write("container.bin", "0123456789" + record + "trailing bytes");
    VUvivuzOvuDodid index;
    index.file_handle = platform::File::OpenExclusiveForReading(dir.file("container.bin"));
    ASSERT_TRUE(index.file_handle);
    EXPECT_EQ(index.ReadIndexRecord(10), static_cast<std::int64_t>(record.size()));
    EXPECT_EQ(FieldsOf(index), FieldsOf(fixtures::FullContents()));
}

struct CodeCase {
    const char* what;
    std::string bytes;
    std::int32_t expected;
};

TEST(BinaryIndexReader, ResultCodes) {
    BinaryBuilder tooLong = BinaryBuilder().Raw("LXBI").Int32(100).TextWithLength(4096, std::string(4096, 'x'));
    BinaryBuilder negativeLength = BinaryBuilder().Raw("LXBI").Int32(100).TextWithLength(-1, "");
    BinaryBuilder badExclusionLength = Header(100, 1);
    badExclusionLength.Text("C:\\a\\").Flag(0).Int32(1).TextWithLength(INT_MIN, "");
    BinaryBuilder cutInLength = BinaryBuilder().Raw("LXBI").Int32(100).Raw("\x05\x00");
    BinaryBuilder cutInText = BinaryBuilder().Raw("LXBI").Int32(100).TextWithLength(6, "Back");
    BinaryBuilder extra = Header();
    Tail(extra).Raw("whatever follows is not read");
    const CodeCase cases[] = {
        {"empty file", "", kIndexFileTooShort},
        {"three bytes", "LXB", kIndexFileTooShort},
        {"signature only", "LXBI", kIndexFileTooShort},
        {"length record cut short", cutInLength.bytes(), kIndexFileTooShort},
        {"text cut short", cutInText.bytes(), kIndexFileTooShort},
        {"XML declaration", "<?xml version=\"1.0\"?><Lumavex_backup_index_record/>", kIndexBadSignature},
        {"lower-case signature", "lxbi" + Header().bytes().substr(4), kIndexBadSignature},
        {"version 101", BinaryBuilder().Raw("LXBI").Int32(101).bytes(), kIndexNewerVersion},
        {"version INT_MAX", BinaryBuilder().Raw("LXBI").Int32(INT_MAX).Text("x").bytes(), kIndexNewerVersion},
        {"text length 4096", tooLong.bytes(), kIndexBadTextLength},
        {"text length -1", negativeLength.bytes(), kIndexBadTextLength},
        {"exclusion length INT_MIN", badExclusionLength.bytes(), kIndexBadTextLength},
        {"extra bytes after the last field", extra.bytes(), kIndexReadOk},
    };
    for (const auto& c : cases) {
        TempDir dir;
        VUvivuzOvuDodid index;
        EXPECT_EQ(ImportBytes(index, dir, c.bytes).result, c.expected) << c.what;
    }
}

TEST(BinaryIndexReader, VersionsUpTo100AreReadAndANewerOneStopsTheReading) {
    for (std::int32_t version : {100, 1, 0, -1, INT_MIN}) {
        TempDir dir;
        VUvivuzOvuDodid index;
        auto contents = fixtures::FullContents();
        contents.version = version;
        EXPECT_EQ(ImportBytes(index, dir, indexwriter::BinaryIndex(contents).bytes()).result, 0) << version;
        EXPECT_EQ(index.version, version);
        EXPECT_EQ(index.name, "Weekly documents");
    }
    TempDir dir;
    VUvivuzOvuDodid index;
    auto contents = fixtures::FullContents();
    contents.version = 101;
    EXPECT_EQ(ImportBytes(index, dir, indexwriter::BinaryIndex(contents).bytes()).result, kIndexNewerVersion);
    EXPECT_EQ(index.version, 101);
    EXPECT_EQ(index.name, "New Item") << "nothing after the version may be read";
}

TEST(BinaryIndexReader, MissingAndLockedFilesCannotBeOpened) {
    TempDir dir;
    VUvivuzOvuDodid index;
    EXPECT_EQ(index.ImportBinary(dir.file("missing.lxi")), kIndexCannotOpen);
    EXPECT_EQ(index.file_name, dir.file("missing.lxi"));

    dir.write("busy.lxi", indexwriter::BinaryIndex(fixtures::FullContents()).bytes());
    auto holder = platform::File::OpenExclusiveForReading(dir.file("busy.lxi"));
    ASSERT_TRUE(holder);
    EXPECT_EQ(index.ImportBinary(dir.file("busy.lxi")), kIndexCannotOpen);
    EXPECT_EQ(index.name, "New Item");
}

TEST(BinaryIndexReader, ReadsWithoutAnOpenFileOrAtABadOffsetFail) {
    VUvivuzOvuDodid index;
    char buffer[4];
    EXPECT_EQ(index.ReadIndexRecord(0), kIndexFileNotOpen);
    EXPECT_EQ(index.ReadBlock(buffer, 4, false), kIndexFileNotOpen);
    std::string text = "kept";
    EXPECT_EQ(index.ReadText(text), kIndexFileNotOpen);
    EXPECT_EQ(text, "kept");

    TempDir dir;
    dir.write("index.lxi", indexwriter::BinaryIndex(fixtures::FullContents()).bytes());
    index.file_handle = platform::File::OpenExclusiveForReading(dir.file("index.lxi"));
    ASSERT_TRUE(index.file_handle);
    EXPECT_EQ(index.ReadIndexRecord(-1), kIndexFileNotOpen);
    EXPECT_EQ(index.name, "New Item");
}

TEST(BinaryIndexReader, TextLengthsUpTo4095AreRead) {
    TempDir dir;
    VUvivuzOvuDodid index;
    BinaryBuilder b = BinaryBuilder().Raw("LXBI").Int32(100).Text(std::string(4095, 'n')).Double(1.0).Int32(0);
    Tail(b);
    EXPECT_EQ(ImportBytes(index, dir, b.bytes()).result, 0);
    EXPECT_EQ(index.name, std::string(4095, 'n'));
    EXPECT_EQ(index.compression_level, 9);
}

TEST(BinaryIndexReader, ATextEndsAtItsFirstZeroByteAndTheReadingGoesOnAfterAllItsBytes) {
    TempDir dir;
    VUvivuzOvuDodid index;
    BinaryBuilder b = BinaryBuilder().Raw("LXBI").Int32(100).TextWithLength(7, std::string("abc\0def", 7));
    b.Double(2.25).Int32(1).TextWithLength(3, std::string("\0zz", 3)).Flag(0).Int32(0);
    Tail(b);
    EXPECT_EQ(ImportBytes(index, dir, b.bytes()).result, 0);
    EXPECT_EQ(index.name, "abc");
    EXPECT_EQ(index.last_update, 2.25);
    ASSERT_EQ(index.elements.size(), 1u);
    EXPECT_EQ(index.elements[0].name, "");
    EXPECT_EQ(index.include_mask, "*.doc;*.txt");
}

TEST(BinaryIndexReader, TextBytesPassThroughUnchanged) {
    TempDir dir;
    VUvivuzOvuDodid index;
    const std::string bytes = "Caf\xE9 \x80\xFF\x01\t\n\\%s";
    BinaryBuilder b = BinaryBuilder().Raw("LXBI").Int32(100).Text(bytes).Double(0).Int32(0);
    Tail(b);
    EXPECT_EQ(ImportBytes(index, dir, b.bytes()).result, 0);
    EXPECT_EQ(index.name, bytes);
}

TEST(BinaryIndexReader, NoElementsForACountOfZeroOrLessAndTheFieldsAfterAreRead) {
    for (std::int32_t count : {0, -1, INT_MIN}) {
        TempDir dir;
        VUvivuzOvuDodid index;
        index.elements.push_back({{}, "left over", false});
        BinaryBuilder b = Header(100, count);
        Tail(b);
        EXPECT_EQ(ImportBytes(index, dir, b.bytes()).result, 0) << count;
        EXPECT_TRUE(index.elements.empty()) << count;
        EXPECT_EQ(index.timestamps_using_method, 1) << count;
    }
}

TEST(BinaryIndexReader, ExclusionCountsOfZeroOrLessMeanNone) {
    TempDir dir;
    VUvivuzOvuDodid index;
    BinaryBuilder b = Header(100, 2);
    b.Text("a").Flag(2).Int32(-7).Text("b").Flag(0).Int32(0);
    Tail(b);
    EXPECT_EQ(ImportBytes(index, dir, b.bytes()).result, 0);
    ASSERT_EQ(index.elements.size(), 2u);
    EXPECT_TRUE(index.elements[0].exclusions.empty());
    EXPECT_TRUE(index.elements[0].is_excluded) << "a flag byte of 2 reads as true";
    EXPECT_FALSE(index.elements[1].is_excluded);
}

TEST(BinaryIndexReader, FlagBytesOtherThanZeroAreTrue) {
    for (std::uint8_t flag : {1, 2, 0x80, 0xFF}) {
        TempDir dir;
        VUvivuzOvuDodid index;
        BinaryBuilder b = Header();
        b.Text("m").Text("x").Flag(flag).Text("").Text("").Int32(0).Flag(flag).Int32(0).Flag(flag).Int32(0);
        EXPECT_EQ(ImportBytes(index, dir, b.bytes()).result, 0);
        EXPECT_TRUE(index.apply_masks_to_folders) << int(flag);
        EXPECT_TRUE(index.use_timestamps) << int(flag);
        EXPECT_TRUE(index.use_compression) << int(flag);
    }
    TempDir dir;
    VUvivuzOvuDodid index;
    BinaryBuilder b = Header();
    b.Text("m").Text("x").Flag(0).Text("").Text("").Int32(0).Flag(0).Int32(0).Flag(0).Int32(0);
    EXPECT_EQ(ImportBytes(index, dir, b.bytes()).result, 0);
    EXPECT_FALSE(index.use_compression);
}

// A huge element count costs nothing up front: the records that are really in
// the file are read and the end of the file stops the reading.
TEST(BinaryIndexReader, AHugeElementCountEndsAtTheEndOfTheFile) {
    TempDir dir;
    VUvivuzOvuDodid index;
    BinaryBuilder b = Header(100, INT_MAX);
    b.Text("only").Flag(0).Int32(0);
    EXPECT_EQ(ImportBytes(index, dir, b.bytes()).result, kIndexFileTooShort);
    ASSERT_EQ(index.elements.size(), 1u);
    EXPECT_EQ(index.elements[0].name, "only");
}

TEST(BinaryIndexReader, ASecondFileReplacesTheElementsOfTheFirst) {
    TempDir dir;
    VUvivuzOvuDodid index;
    ASSERT_EQ(ImportBytes(index, dir, indexwriter::BinaryIndex(fixtures::FullContents()).bytes(), "a.lxi").result, 0);
    ASSERT_EQ(index.elements.size(), 3u);
    auto second = fixtures::FullContents();
    second.elements = {{"Z:\\only\\", false, {}}};
    ASSERT_EQ(ImportBytes(index, dir, indexwriter::BinaryIndex(second).bytes(), "b.lxi").result, 0);
    ASSERT_EQ(index.elements.size(), 1u);
    EXPECT_EQ(index.elements[0].name, "Z:\\only\\");
    second.elements.clear();
    ASSERT_EQ(ImportBytes(index, dir, indexwriter::BinaryIndex(second).bytes(), "c.lxi").result, 0);
    EXPECT_TRUE(index.elements.empty());
}

// Cuts a complete file after every byte. Each cut gives -3; the fields whose
// bytes lie wholly before the cut hold the file's values, every other field
// its earlier value; the elements are emptied once the count is read, and then
// hold the complete element records before the cut.
TEST(BinaryIndexReader, WhatSurvivesAFileCutAfterAnyByte) {
    const auto contents = fixtures::FullContents();
    const BinaryBuilder file = indexwriter::BinaryIndex(contents);
    const Fields complete = FieldsOf(contents);
    const std::string earlierElement = "earlier|0|";

    TempDir dir;
    for (std::size_t cut = 0; cut < file.bytes().size(); ++cut) {
        VUvivuzOvuDodid index;
        index.elements.push_back({{}, "earlier", false});
        const Fields before = FieldsOf(index);
        const auto read = ImportBytes(index, dir, file.bytes().substr(0, cut));
        ASSERT_EQ(read.result, kIndexFileTooShort) << "cut at " << cut;

        Fields expected = before;
        auto take = [&](const std::string& field, const std::string& mark) {
            if (file.MarkOf(mark) <= cut) expected[field] = complete.at(field);
        };
        take("version", "version");
        take("name", "name");
        take("last_update", "last_update");
        if (file.MarkOf("element_count") <= cut) {
            std::string elements;
            for (std::size_t i = 0; i < contents.elements.size(); ++i) {
                if (file.MarkOf("element" + std::to_string(i)) > cut) break;
                if (i) elements += ";";
                elements += fixtures::ElementText(contents.elements[i]);
            }
            expected["elements"] = elements;
        }
        for (const char* field : fixtures::kFieldsAfterElements) take(field, field);
        ASSERT_EQ(FieldsOf(index), expected) << "cut at " << cut;
        ASSERT_FALSE(index.file_handle);
    }
}

// A file cut off inside its third element record keeps the first two.
TEST(BinaryIndexReader, ACutInsideTheThirdElementKeepsTheFirstTwo) {
    const auto contents = fixtures::FullContents();
    const BinaryBuilder file = indexwriter::BinaryIndex(contents);
    TempDir dir;
    VUvivuzOvuDodid index;
    const auto read = ImportBytes(index, dir, file.bytes().substr(0, file.MarkOf("element1") + 6));
    EXPECT_EQ(read.result, kIndexFileTooShort);
    ASSERT_EQ(index.elements.size(), 2u);
    EXPECT_EQ(index.elements[0].exclusions.size(), 3u);
    EXPECT_EQ(index.elements[1].name, "D:\\Photos\\holiday.jpg");
    EXPECT_EQ(index.include_mask, "*.*");
}

}  // namespace
