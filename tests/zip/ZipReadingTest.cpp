// Reading archives: the end record behind comments, stubs in front, data
// descriptors, names in their code pages, and damaged directories.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ZipTestSupport.h"

namespace {

using ziptest::Entry;
using ziptest::UnZipperFixture;
using ziptest::ZipWriter;

class ZipReading : public testing::Test, public UnZipperFixture {};

ZipWriter TwoItems() {
    ZipWriter zip;
    zip.Add("one.txt", "first item", 8).Add("dir/two.txt", "second item");
    return zip;
}

void ExpectBothExtracted(UnZipperFixture& f) {
    EXPECT_TRUE(f.Failed().empty());
    EXPECT_EQ(f.temp.read("out/one.txt"), "first item");
    EXPECT_EQ(f.temp.read("out/dir/two.txt"), "second item");
}

TEST_F(ZipReading, FindsTheEndRecordBehindAComment) {
    struct Case {
        const char* name;
        std::string comment;
    } cases[] = {
        {"plain", "a comment of the archive"},
        {"longest", std::string(65535, 'c')},
        // A comment that looks like an end record of an empty archive.
        {"fake record", std::string("PK\x05\x06\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0 tail", 27)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ZipWriter zip = TwoItems();
        zip.comment = c.comment;
        events.clear();
        Open(zip);
        ASSERT_EQ(zipper.GetCount(), 2);
        Extract();
        ExpectBothExtracted(*this);
    }
}

TEST_F(ZipReading, ReadsArchivesWithAStubInFront) {
    ZipWriter zip = TwoItems();
    zip.prefix = std::string(5000, 'S');
    Open(zip);
    Extract();
    ExpectBothExtracted(*this);
}

TEST_F(ZipReading, TakesSizesFromTheDirectoryWhenDataDescriptorsFollowTheData) {
    ZipWriter zip;
    for (const auto& [name, method] : {std::pair{"one.txt", 8}, std::pair{"dir/two.txt", 0}}) {
        Entry e;
        e.name = name;
        e.data = name == std::string("one.txt") ? "first item" : "second item";
        e.method = static_cast<std::uint16_t>(method);
        e.flags = 8;
        e.dataDescriptor = true;
        zip.Add(e);
    }
    Open(zip);
    Extract();
    ExpectBothExtracted(*this);
}

TEST_F(ZipReading, ReadsZip64FieldsAndEndRecordsEvenWhenValuesFit) {
    ZipWriter zip;
    for (const char* name : {"one.txt", "dir/two.txt"}) {
        Entry e;
        e.name = name;
        e.data = name == std::string("one.txt") ? "first item" : "second item";
        e.method = e.name == "one.txt" ? 8 : 0;
        e.zip64 = true;
        e.versionNeeded = 45;
        e.dataDescriptor = e.name == "one.txt";
        zip.Add(e);
    }
    zip.zip64End = true;
    Open(zip);
    EXPECT_EQ(zipper.GetItem(0).UncompressedSize(), 10u);
    Extract();
    ExpectBothExtracted(*this);
}

TEST_F(ZipReading, KeepsTheItemDataOfTheDirectory) {
    ZipWriter zip;
    zip.Add("packed.txt", std::string(1000, 'p'), 8);
    Open(zip);
    const TZipItem& item = zipper.GetItem(0);
    EXPECT_EQ(item.UncompressedSize(), 1000u);
    EXPECT_LT(item.CompressedSize(), 100u);
    EXPECT_EQ(item.CompressionMethod(), 8);
    EXPECT_FALSE(item.Encrypted());
    EXPECT_FALSE(item.IsFolder());
}

// A directory that cannot be used sends the reader to the local headers.
TEST_F(ZipReading, DamagedDirectoriesAreReadFromTheLocalHeaders) {
    const std::string good = TwoItems().Bytes();
    ZipWriter wrongCount = TwoItems();
    wrongCount.recordedCount = 3;
    std::string damagedEntry = good;
    damagedEntry[damagedEntry.find(std::string("PK\x01\x02", 4)) + 1] = 'X';
    std::string directoryOutside = good;
    directoryOutside[directoryOutside.size() - 3] = '\x7F';  // directory offset far beyond the file
    std::string localOutside = good;
    localOutside[localOutside.rfind(std::string("PK\x01\x02", 4)) + 45] = '\x7F';

    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"wrong count", wrongCount.Bytes()},
        {"damaged entry", damagedEntry},
        {"directory outside", directoryOutside},
        {"local header outside", localOutside},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UnZipperFixture f;
        f.temp.write("archive.zip", c.bytes);
        f.OpenFile(f.archivePath);
        EXPECT_TRUE(f.zipper.Recovered());
        f.Extract();
        ExpectBothExtracted(f);
    }
}

TEST_F(ZipReading, FilesThatAreNoArchiveAreRefusedWhenOpened) {
    for (const std::string& bytes : {std::string(), std::string(1000, 'x')}) {
        temp.write("bad.zip", bytes);
        TUnZipper zipper;
        EXPECT_THROW(zipper.OpenArchive(temp.file("bad.zip")), EArchiveException);
        EXPECT_EQ(zipper.FileName(), "");
        EXPECT_EQ(zipper.GetCount(), 0);
    }
    EXPECT_THROW(zipper.OpenArchive(temp.file("does-not-exist.zip")), EArchiveException);
}

TEST_F(ZipReading, AnEmptyArchiveHasNoItems) {
    Open(ZipWriter());
    EXPECT_EQ(zipper.GetCount(), 0);
    EXPECT_NO_THROW(Extract());
}

TEST_F(ZipReading, AMissingLocalHeaderFailsOnlyItsItem) {
    std::string bytes = TwoItems().Bytes();
    bytes[0] = 'X';  // the first local header's signature
    temp.write("archive.zip", bytes);
    OpenFile(archivePath);
    Extract();
    const auto* failure = FailureOf("one.txt");
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->value, zecDamagedData);
    EXPECT_FALSE(temp.exists("out/one.txt"));
    EXPECT_EQ(temp.read("out/dir/two.txt"), "second item");
}

std::string UnicodePathField(std::uint32_t nameCrc, const std::string& utf8) {
    std::string field = "\x75\x70";
    const std::size_t size = 5 + utf8.size();
    field += static_cast<char>(size & 0xFF);
    field += static_cast<char>(size >> 8);
    field += '\x01';
    for (int shift = 0; shift < 32; shift += 8) field += static_cast<char>((nameCrc >> shift) & 0xFF);
    return field + utf8;
}

TEST_F(ZipReading, NamesAreConvertedFromTheirCodePage) {
    // The OEM name "\x81ber.txt" is "über.txt"; its form on Windows is the
    // ANSI code page's (1252 here), on POSIX UTF-8.
    const bool windows = ziptest::OnWindows();
    const std::string ueber = windows ? "\xFC" "ber.txt" : "\xC3\xBC" "ber.txt";
    ZipWriter zip;
    zip.Add("\x81" "ber.txt", "oem");
    Entry flagged;
    flagged.name = "\xC3\xA9t\xC3\xA9.txt";  // "été.txt" in UTF-8, flag bit 11
    flagged.data = "utf8";
    flagged.flags = 1 << 11;
    zip.Add(flagged);
    Entry unicodePath;
    unicodePath.name = "caf\x82.txt";  // OEM "café.txt", with a Unicode path field that matches it
    unicodePath.data = "field";
    unicodePath.centralExtra = UnicodePathField(ziptest::Crc32(unicodePath.name), "caf\xC3\xA9.txt");
    zip.Add(unicodePath);
    Entry staleField = unicodePath;
    staleField.name = "ni\xA4o.txt";  // OEM "niño.txt"; the field was made for another name
    zip.Add(staleField);
    Entry unixUtf8;  // Unix tools store UTF-8 names without the flag
    unixUtf8.name = "\xC3\xBC" "ber-unix.txt";
    unixUtf8.host = ziptest::kHostUnix;
    zip.Add(unixUtf8);
    Entry unixOther = unixUtf8;  // not UTF-8: taken as OEM like any other
    unixOther.name = "\x81" "ber-unix.txt";
    zip.Add(unixOther);
    Open(zip);
    ASSERT_EQ(zipper.GetCount(), 6);
    EXPECT_EQ(zipper.GetItem(0).FileName(), ueber);
    EXPECT_EQ(zipper.GetItem(1).FileName(), windows ? "\xE9t\xE9.txt" : "\xC3\xA9t\xC3\xA9.txt");
    EXPECT_EQ(zipper.GetItem(2).FileName(), windows ? "caf\xE9.txt" : "caf\xC3\xA9.txt");
    EXPECT_EQ(zipper.GetItem(3).FileName(), windows ? "ni\xF1o.txt" : "ni\xC3\xB1o.txt");
    EXPECT_EQ(zipper.GetItem(4).FileName(), windows ? "\xFC" "ber-unix.txt" : "\xC3\xBC" "ber-unix.txt");
    EXPECT_EQ(zipper.GetItem(5).FileName(), windows ? "\xFC" "ber-unix.txt" : "\xC3\xBC" "ber-unix.txt");
    Extract();
    EXPECT_TRUE(Failed().empty());
    EXPECT_EQ(temp.read("out/" + ueber), "oem");
}

}  // namespace
