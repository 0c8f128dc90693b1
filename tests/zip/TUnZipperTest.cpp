// The component's contract: properties, event order and answers, what a
// failure, an abort and a CRC mismatch leave on disk, times and attributes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "ZipTestSupport.h"
#ifndef _WIN32
#include "FileSizeLimit.h"
#endif
#include "platform/Path.h"

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using ziptest::Entry;
using ziptest::RecordedEvent;
using ziptest::UnZipperFixture;
using ziptest::ZipWriter;

std::string Pattern(std::size_t size) {
    std::string data(size, '\0');
    std::uint32_t x = 12345;
    for (char& c : data) {
        x = x * 1103515245 + 12345;
        c = static_cast<char>('a' + (x >> 16) % 26);
    }
    return data;
}

class UnZipper : public testing::Test, public UnZipperFixture {};

TEST_F(UnZipper, NewComponentHasOnlyCreateDirsAndNoArchive) {
    TUnZipper fresh;
    EXPECT_EQ(fresh.ExtractOptions, TExtractOptions{eoCreateDirs});
    EXPECT_EQ(fresh.FileName(), "");
    EXPECT_EQ(fresh.GetCount(), 0);
    EXPECT_NO_THROW(fresh.ExtractTaggedItems());
}

TEST_F(UnZipper, OpenListsItemsInDirectoryOrderAndCloseForgetsThem) {
    ZipWriter zip;
    zip.Add("z.txt", "z").Add("Docs/", "").Add("Docs/a/b.txt", "b").Add("a.txt", "a");
    Open(zip);
    EXPECT_EQ(zipper.FileName(), archivePath);
    ASSERT_EQ(zipper.GetCount(), 4);
    const char sep = platform::kPathSeparator;
    EXPECT_EQ(zipper.GetItem(0).FileName(), "z.txt");
    EXPECT_EQ(zipper.GetItem(1).FileName(), "Docs/");
    EXPECT_EQ(zipper.GetItem(1).TargetName, std::string("Docs") + sep);
    EXPECT_EQ(zipper.GetItem(2).TargetName, std::string("Docs") + sep + "a" + sep + "b.txt");
    EXPECT_TRUE(zipper.GetItem(1).IsFolder());
    TUnZipper second;
    second.OpenArchive(archivePath);
    EXPECT_FALSE(second.GetItem(0).Tagged);
    EXPECT_THROW(second.GetItem(4), std::out_of_range);
    second.CloseArchive();
    EXPECT_EQ(second.FileName(), "");
    EXPECT_EQ(second.GetCount(), 0);
}

TEST_F(UnZipper, BaseDirectoryLosesOneTrailingSeparatorButNotARoot) {
    Open(ZipWriter().Add("a.txt", "a"));
    const std::string root = ziptest::OnWindows() ? "C:\\" : "/";
    struct Case {
        std::string set, expected;
    } cases[] = {
        {out + platform::kPathSeparator, out},
        {out, out},
        {root, root},
        {"", ""},
    };
    for (const Case& c : cases) {
        zipper.SetBaseDirectory(c.set);
        EXPECT_EQ(zipper.BaseDirectory(), c.expected) << c.set;
    }
}

TEST_F(UnZipper, MissingBaseDirectoryIsRefusedNowOrAtTheNextOpen) {
    const std::string missing = temp.file("missing");
    // Without an archive the value is kept unchecked...
    zipper.SetBaseDirectory(missing);
    EXPECT_EQ(zipper.BaseDirectory(), missing);
    // ...and checked when an archive is opened.
    ZipWriter().Add("a.txt", "a").WriteTo(archivePath);
    EXPECT_THROW(zipper.OpenArchive(archivePath), ENoSuchDirectory);
    EXPECT_EQ(zipper.FileName(), "");

    zipper.SetBaseDirectory(out);
    zipper.OpenArchive(archivePath);
    EXPECT_THROW(zipper.SetBaseDirectory(missing), ENoSuchDirectory);
    EXPECT_EQ(zipper.BaseDirectory(), out);

    // A base directory that disappears is found out by the next open.
    temp.mkdir("gone");
    zipper.SetBaseDirectory(temp.file("gone"));
    fs::remove(temp.file("gone"));
    EXPECT_THROW(zipper.OpenArchive(archivePath), ENoSuchDirectory);
}

TEST_F(UnZipper, ExtractsFilesAndFoldersBelowTheBaseDirectory) {
    const std::string big = Pattern(300000);
    ZipWriter zip;
    zip.Add("Docs/", "").Add("Docs/a/b.txt", "stored").Add("Docs/big.txt", big, 8).Add("readme.txt", "", 8);
    Open(zip);
    Extract();
    EXPECT_THAT(Failed(), testing::IsEmpty());
    EXPECT_TRUE(fs::is_directory(temp.file("out/Docs")));
    EXPECT_EQ(temp.read("out/Docs/a/b.txt"), "stored");
    EXPECT_EQ(temp.read("out/Docs/big.txt"), big);
    EXPECT_EQ(temp.read("out/readme.txt"), "");
}

TEST_F(UnZipper, EventsComeInOrderAndStoredItemsEndAtHundredPercent) {
    ZipWriter zip;
    zip.Add("empty.txt", "").Add("big.bin", Pattern(2500000)).Add("Docs/", "");
    Entry encrypted;
    encrypted.name = "secret.txt";
    encrypted.data = "x";
    encrypted.flags = 1;
    zip.Add(encrypted);
    Open(zip);
    Extract();

    std::vector<std::string> order;
    for (const RecordedEvent& e : events)
        if (order.empty() || order.back() != std::to_string(e.kind) + e.item) order.push_back(std::to_string(e.kind) + e.item);
    EXPECT_THAT(order, ElementsAre("0empty.txt", "1empty.txt", "0big.bin", "1big.bin", "0Docs/", "0secret.txt",
                                   "2secret.txt"));
    EXPECT_THAT(ProgressOf("empty.txt"), ElementsAre(100));
    const std::vector<int> big = ProgressOf("big.bin");
    ASSERT_GE(big.size(), 2u);
    EXPECT_TRUE(std::is_sorted(big.begin(), big.end()));
    EXPECT_EQ(big.back(), 100);
}

TEST_F(UnZipper, DeflatedItemsReportProgressOfTheCompressedData) {
    ZipWriter zip;
    zip.Add("big.txt", Pattern(6 << 20), 8);
    Open(zip);
    Extract();
    const std::vector<int> progress = ProgressOf("big.txt");
    ASSERT_GE(progress.size(), 2u);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(UnZipper, ConfirmFalseSkipsTheItemSilently) {
    Open(ZipWriter().Add("skip.txt", "s").Add("keep.txt", "k"));
    onConfirm = [](TZipItem& item, bool& confirm) { confirm = item.FileName() != "skip.txt"; };
    Extract();
    EXPECT_FALSE(temp.exists("out/skip.txt"));
    EXPECT_EQ(temp.read("out/keep.txt"), "k");
    EXPECT_TRUE(ProgressOf("skip.txt").empty());
    EXPECT_TRUE(Failed().empty());
}

TEST_F(UnZipper, UntaggedItemsAreNotExtracted) {
    ZipWriter().Add("a.txt", "a").Add("b.txt", "b").WriteTo(archivePath);
    zipper.OpenArchive(archivePath);
    zipper.GetItem(1).Tagged = true;
    Extract();
    EXPECT_FALSE(temp.exists("out/a.txt"));
    EXPECT_TRUE(temp.exists("out/b.txt"));
}

struct AbortCase {
    const char* name;
    std::uint16_t method;
    bool expectAbortProgress;  // otherwise EUserAbort
};

class UnZipperAbort : public testing::TestWithParam<AbortCase>, public UnZipperFixture {};

TEST_P(UnZipperAbort, DeletesThePartlyWrittenFileAndEndsWithTheMethodsException) {
    const AbortCase& c = GetParam();
    ZipWriter zip;
    zip.Add("before.txt", "kept").Add("big.bin", Pattern(5 << 20), c.method).Add("after.txt", "never");
    Open(zip);
    int reports = 0;
    onProgress = [&](TZipItem& item, int, bool& abort) {
        if (item.FileName() == "big.bin" && ++reports == 2) abort = true;
    };
    if (c.expectAbortProgress)
        EXPECT_THROW(Extract(), EAbortProgress);
    else
        EXPECT_THROW(Extract(), EUserAbort);
    EXPECT_EQ(temp.read("out/before.txt"), "kept");
    EXPECT_FALSE(temp.exists("out/big.bin"));
    EXPECT_FALSE(temp.exists("out/after.txt"));
    EXPECT_TRUE(Failed().empty());
}

INSTANTIATE_TEST_SUITE_P(Methods, UnZipperAbort,
                         testing::Values(AbortCase{"Stored", 0, false}, AbortCase{"Deflated", 8, true}),
                         [](const auto& info) { return info.param.name; });

struct AbortOverCopyCase {
    std::uint16_t method;
    int percent;  // the first progress report at or beyond it aborts
};

class UnZipperAbortOverACopy : public testing::TestWithParam<AbortOverCopyCase>, public UnZipperFixture {};

TEST_P(UnZipperAbortOverACopy, LeavesTheEarlierCopyWholeAndNoPartlyWrittenFile) {
    const AbortOverCopyCase& c = GetParam();
    temp.write("out/big.bin", "good old copy");
    Open(ZipWriter().Add("before.txt", "kept").Add("big.bin", Pattern(5 << 20), c.method));
    onProgress = [&](TZipItem& item, int percent, bool& abort) {
        if (item.FileName() == "big.bin" && percent >= c.percent) abort = true;
    };
    EXPECT_ANY_THROW(Extract());
    EXPECT_EQ(temp.read("out/big.bin"), "good old copy");
    EXPECT_EQ(temp.names("out"), (std::vector<std::string>{"before.txt", "big.bin"}));
}

INSTANTIATE_TEST_SUITE_P(Points, UnZipperAbortOverACopy,
                         testing::Values(AbortOverCopyCase{0, 1}, AbortOverCopyCase{0, 50},
                                         AbortOverCopyCase{0, 100}, AbortOverCopyCase{8, 1},
                                         AbortOverCopyCase{8, 50}, AbortOverCopyCase{8, 100}),
                         [](const auto& info) {
                             return std::string(info.param.method == 0 ? "Stored" : "Deflated") + "At" +
                                    std::to_string(info.param.percent);
                         });

TEST_F(UnZipper, HandlerExceptionsLeaveUnchangedAndPartialFilesGo) {
    struct Custom : std::runtime_error {
        Custom() : std::runtime_error("custom") {}
    };
    ZipWriter zip;
    zip.Add("a.txt", "a").Add("big.bin", Pattern(3 << 20)).Add("c.txt", "c");
    Open(zip);
    onProgress = [](TZipItem& item, int, bool&) {
        if (item.FileName() == "big.bin") throw Custom();
    };
    EXPECT_THROW(Extract(), Custom);
    EXPECT_TRUE(temp.exists("out/a.txt"));
    EXPECT_FALSE(temp.exists("out/big.bin"));
    EXPECT_TRUE(Failed().empty());

    onProgress = nullptr;
    onConfirm = [](TZipItem& item, bool&) {
        if (item.FileName() == "big.bin") throw Custom();
    };
    EXPECT_THROW(Extract(), Custom);
    EXPECT_FALSE(temp.exists("out/big.bin"));
}

TEST_F(UnZipper, ConfirmHandlerSettingAVanishedBaseEndsTheExtraction) {
    temp.mkdir("dest");
    Open(ZipWriter().Add("a.txt", "a").Add("b.txt", "b"));
    onConfirm = [&](TZipItem& item, bool&) {
        if (item.FileName() == "b.txt") fs::remove_all(temp.file("dest"));
        zipper.SetBaseDirectory(temp.file("dest"));
    };
    EXPECT_THROW(zipper.ExtractTaggedItems(), ENoSuchDirectory);
    EXPECT_TRUE(Failed().empty());
}

struct FailureCase {
    const char* name;
    Entry entry;
    TErrorClass errorClass;
    int code;
};

Entry Make(std::string name, std::string data, std::uint16_t method, std::function<void(Entry&)> change) {
    Entry e;
    e.name = std::move(name);
    e.data = std::move(data);
    e.method = method;
    change(e);
    return e;
}

std::string Corrupted(std::string deflated) {
    // Turn the first block into one of the reserved type: invalid from the start.
    deflated[0] = static_cast<char>(deflated[0] | 0x06);
    return deflated;
}

class UnZipperFailure : public testing::TestWithParam<FailureCase>, public UnZipperFixture {};

TEST_P(UnZipperFailure, IsReportedAndTheExtractionGoesOn) {
    const FailureCase& c = GetParam();
    temp.write("out/victim.txt", "old content");
    ZipWriter zip;
    Entry failing = c.entry;
    failing.name = "victim.txt";
    zip.Add(failing).Add("next.txt", "next");
    Open(zip);
    Extract();
    const RecordedEvent* failure = FailureOf("victim.txt");
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->errorClass, c.errorClass);
    EXPECT_EQ(failure->value, c.code);
    EXPECT_EQ(temp.read("out/next.txt"), "next");
    // Found before the target is opened: the existing file stays as it was.
    EXPECT_EQ(temp.read("out/victim.txt"), "old content");
}

INSTANTIATE_TEST_SUITE_P(
    Causes, UnZipperFailure,
    testing::Values(
        FailureCase{"Encrypted", Make("", "x", 0, [](Entry& e) { e.flags = 1; }), TErrorClass::ecArchive, zecEncrypted},
        FailureCase{"StrongEncryption", Make("", "x", 0, [](Entry& e) { e.flags = 1 | 64; }), TErrorClass::ecArchive,
                    zecEncrypted},
        FailureCase{"UnsupportedMethod", Make("", "x", 14, [](Entry& e) { e.compressed = "xx"; }),
                    TErrorClass::ecArchive, zecInvalidMethod},
        FailureCase{"LaterVersion", Make("", "x", 0, [](Entry& e) { e.versionNeeded = 63; }), TErrorClass::ecArchive,
                    zecVersion},
        FailureCase{"PatchData", Make("", "x", 0, [](Entry& e) { e.flags = 32; }), TErrorClass::ecArchive, zecVersion}),
    [](const auto& info) { return info.param.name; });

TEST_F(UnZipper, DamagedDataFailsTheItemAndDeletesWhatWasWritten) {
    const std::string big = Pattern(8 << 20);
    std::string deflated = ziptest::Deflate(big);
    // Damage the stream far from its start, after output has been written.
    for (std::size_t i = deflated.size() * 3 / 4; i < deflated.size() * 3 / 4 + 64; ++i) deflated[i] = '\xFF';
    ZipWriter zip;
    zip.Add(Make("bad.txt", big, 8, [&](Entry& e) { e.compressed = deflated; }));
    zip.Add(Make("invalid.txt", "abc", 8, [](Entry& e) { e.compressed = Corrupted(ziptest::Deflate("abc")); }));
    zip.Add(Make("short.txt", "abcdef", 0, [](Entry& e) { e.compressed = "abc"; }));
    zip.Add("good.txt", "good");
    // The same damage where an earlier copy is: that copy stays as it was.
    zip.Add(Make("Copy/bad.txt", big, 8, [&](Entry& e) { e.compressed = deflated; }));
    temp.write("out/Copy/bad.txt", "earlier copy");
    Open(zip);
    Extract();
    for (const char* name : {"bad.txt", "invalid.txt", "short.txt", "Copy/bad.txt"}) {
        const RecordedEvent* failure = FailureOf(name);
        ASSERT_NE(failure, nullptr) << name;
        EXPECT_EQ(failure->errorClass, TErrorClass::ecArchive) << name;
        EXPECT_EQ(failure->value, zecDamagedData) << name;
    }
    EXPECT_EQ(temp.read("out/good.txt"), "good");
    EXPECT_EQ(temp.read("out/Copy/bad.txt"), "earlier copy");
    EXPECT_EQ(temp.names("out"), (std::vector<std::string>{"Copy", "good.txt"}));
    EXPECT_EQ(temp.names("out/Copy"), std::vector<std::string>{"bad.txt"});
}

#ifndef _WIN32
TEST_F(UnZipper, AFullDiskInTheMiddleOfAnItemKeepsTheEarlierCopy) {
    temp.write("out/big.bin", "good old copy");
    Open(ZipWriter().Add("big.bin", Pattern(3 << 20), 8).Add("small.txt", "small"));
    {
        testsupport::FileSizeLimit full(1 << 20);
        ASSERT_TRUE(full.Active());
        Extract();
    }
    const RecordedEvent* failure = FailureOf("big.bin");
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->errorClass, TErrorClass::ecInOutError);
    EXPECT_EQ(temp.read("out/big.bin"), "good old copy");
    EXPECT_EQ(temp.read("out/small.txt"), "small");
    EXPECT_EQ(temp.names("out"), (std::vector<std::string>{"big.bin", "small.txt"}));
}
#endif

TEST_F(UnZipper, CrcMismatchIsReportedWithCode23AndKeepsTheDataOnlyWhereNoFileWas) {
    temp.write("out/over.txt", "good");
    ZipWriter zip;
    zip.Add(Make("wrong.txt", "content", 8, [](Entry& e) { e.crc = 0x12345678; }));
    zip.Add(Make("over.txt", "damaged", 0, [](Entry& e) { e.crc = 1; }));
    zip.Add("next.txt", "next");
    Open(zip);
    Extract();
    for (const char* name : {"wrong.txt", "over.txt"}) {
        const RecordedEvent* failure = FailureOf(name);
        ASSERT_NE(failure, nullptr) << name;
        EXPECT_EQ(failure->errorClass, TErrorClass::ecArchive);
        EXPECT_EQ(failure->value, 23);
    }
    EXPECT_EQ(temp.read("out/wrong.txt"), "content");
    EXPECT_EQ(temp.read("out/over.txt"), "good");
    EXPECT_EQ(temp.read("out/next.txt"), "next");
    EXPECT_EQ(temp.names("out"), (std::vector<std::string>{"next.txt", "over.txt", "wrong.txt"}));
}

TEST_F(UnZipper, WithoutAFailureHandlerTheItemsExceptionLeaves) {
    ZipWriter zip;
    zip.Add(Make("wrong.txt", "content", 0, [](Entry& e) { e.crc = 1; }));
    Open(zip);
    zipper.OnProcessItemFailure = nullptr;
    EXPECT_THROW(Extract(), EZipBadCRC);
}

TEST_F(UnZipper, ExistingFilesAreReplaced) {
    temp.write("out/a.txt", "old old old");
    Open(ZipWriter().Add("a.txt", "new"));
    Extract();
    EXPECT_EQ(temp.read("out/a.txt"), "new");
    EXPECT_TRUE(Failed().empty());
}

TEST_F(UnZipper, ReadOnlyExistingFilesFailAndStay) {
    temp.write("out/ro.txt", "read-only");
    fs::permissions(temp.file("out/ro.txt"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    // Refused also where the user's rights would allow writing it (root, emulators).
    Open(ZipWriter().Add("ro.txt", "replaced?"));
    Extract();
    const RecordedEvent* failure = FailureOf("ro.txt");
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->errorClass, TErrorClass::ecFileCreateError);
    EXPECT_EQ(temp.read("out/ro.txt"), "read-only");
}

TEST_F(UnZipper, FolderEntriesCreateFoldersAndNeverFiles) {
    Open(ZipWriter().Add("Docs/", "").Add("Docs/deep/er/", ""));
    Extract();
    EXPECT_TRUE(fs::is_directory(temp.file("out/Docs/deep/er")));
    EXPECT_TRUE(Failed().empty());
}

TEST_F(UnZipper, WithoutRestorePathOnlyTheLastPartOfTheNameIsUsed) {
    zipper.ExtractOptions = eoCreateDirs;
    Open(ZipWriter().Add("a/b/c.txt", "c").Add("a/", ""));
    zipper.ExtractOptions = eoCreateDirs;
    Extract();
    EXPECT_EQ(temp.read("out/c.txt"), "c");
    EXPECT_FALSE(temp.exists("out/a"));
}

TEST_F(UnZipper, WithoutCreateDirsAMissingFolderFailsTheItem) {
    Open(ZipWriter().Add("sub/x.txt", "x").Add("top.txt", "t"));
    zipper.ExtractOptions = eoRestorePath;
    Extract();
    const RecordedEvent* failure = FailureOf("sub/x.txt");
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->value, zecNoSuchDirectory);
    EXPECT_FALSE(temp.exists("out/sub"));
    EXPECT_EQ(temp.read("out/top.txt"), "t");
}

TEST_F(UnZipper, SetsTheLastWriteTimeFromTheMsDosDateAndTime) {
    Open(ZipWriter().Add("a.txt", "a"));
    Extract();
    struct stat info {};
    ASSERT_EQ(::stat(temp.file("out/a.txt").c_str(), &info), 0);
    const std::time_t when = info.st_mtime;
    const std::tm local = *std::localtime(&when);
    EXPECT_EQ(local.tm_year + 1900, 2024);
    EXPECT_EQ(local.tm_mon + 1, 6);
    EXPECT_EQ(local.tm_mday, 15);
    EXPECT_EQ(local.tm_hour, 13);
    EXPECT_EQ(local.tm_min, 45);
    EXPECT_EQ(local.tm_sec, 20);
}

TEST_F(UnZipper, AppliesTheAttributesThePlatformUnderstands) {
    const bool windows = ziptest::OnWindows();
    struct Case {
        const char* name;
        std::uint16_t host;
        std::uint32_t external;
        bool writable;
    } cases[] = {
        // DOS read-only bit: Windows applies it; POSIX gives ordinary defaults.
        {"dos-ro.txt", ziptest::kHostFat, 0x01, !windows},
        {"dos-plain.txt", ziptest::kHostFat, 0x20, true},
        // Unix mode: POSIX applies it; Windows reads only the low byte (empty here).
        {"unix-ro.txt", ziptest::kHostUnix, 0100444u << 16, windows},
        {"unix-rw.txt", ziptest::kHostUnix, 0100640u << 16, true},
    };
    ZipWriter zip;
    for (const Case& c : cases)
        zip.Add(Make(c.name, "x", 0, [&](Entry& e) {
            e.host = c.host;
            e.externalAttributes = c.external;
        }));
    Open(zip);
    Extract();
    for (const Case& c : cases) {
        const fs::perms perms = fs::status(temp.file(std::string("out/") + c.name)).permissions();
        EXPECT_EQ((perms & fs::perms::owner_write) != fs::perms::none, c.writable) << c.name;
    }
    if (!windows) {
        EXPECT_EQ(fs::status(temp.file("out/unix-rw.txt")).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
}

TEST_F(UnZipper, PerItemBaseDirectoriesAsTheRestorationSetsThem) {
    // The restoration puts destination + name into TargetName and splits it
    // back into BaseDirectory and name when each item is confirmed.
    temp.mkdir("d1");
    temp.mkdir("d2");
    const std::string d1 = temp.file("d1") + platform::kPathSeparator;
    const std::string d2 = temp.file("d2") + platform::kPathSeparator;
    Open(ZipWriter().Add("Docs/", "").Add("Docs/a/b.txt", "b").Add("readme.txt", "r"));
    for (int i = 0; i < zipper.GetCount(); ++i) {
        TZipItem& item = zipper.GetItem(i);
        item.TargetName = (item.FileName().rfind("Docs/", 0) == 0 ? d1 : d2) + item.TargetName;
    }
    onConfirm = [&](TZipItem& item, bool&) {
        std::string relative = item.FileName();
        for (char& c : relative)
            if (c == '/') c = platform::kPathSeparator;
        const std::string saved = item.TargetName;
        item.TargetName = relative;
        zipper.SetBaseDirectory(saved.size() > relative.size() ? saved.substr(0, saved.size() - relative.size()) : "");
    };
    zipper.ExtractTaggedItems();
    EXPECT_EQ(temp.read("d1/Docs/a/b.txt"), "b");
    EXPECT_EQ(temp.read("d2/readme.txt"), "r");
    EXPECT_FALSE(temp.exists("d2/Docs"));
}

TEST_F(UnZipper, RefusesToReopenOrCloseFromAnEventHandler) {
    Open(ZipWriter().Add("a.txt", "a"));
    onConfirm = [&](TZipItem&, bool&) { zipper.CloseArchive(); };
    EXPECT_THROW(Extract(), EArchiveException);
    EXPECT_EQ(zipper.GetCount(), 1);
}

}  // namespace
