// ZIP64 archives: more than 65,535 items, offsets beyond 4 GiB, and items
// over 4 GiB. The archives with holes are sparse files; the item over 4 GiB
// writes 4 GiB and runs natively only (too slow under emulation).
#include <gtest/gtest.h>

#include <filesystem>

#include "ZipTestSupport.h"

namespace {

namespace fs = std::filesystem;
using ziptest::Entry;
using ziptest::UnZipperFixture;
using ziptest::ZipWriter;

class Zip64 : public testing::Test, public UnZipperFixture {};

TEST_F(Zip64, ReadsMoreThan65535Items) {
    constexpr int kCount = 70000;
    ZipWriter zip;
    for (int i = 0; i < kCount; ++i) zip.Add("f" + std::to_string(i), i == kCount - 1 ? "last" : "");
    zip.WriteTo(archivePath);
    zipper.OpenArchive(archivePath);
    ASSERT_EQ(zipper.GetCount(), kCount);
    EXPECT_EQ(zipper.GetItem(kCount - 1).FileName(), "f69999");
    zipper.GetItem(kCount - 1).Tagged = true;
    Extract();
    EXPECT_EQ(temp.read("out/f69999"), "last");
}

TEST_F(Zip64, ReadsItemsAndTheDirectoryBeyond4GiB) {
    ZipWriter zip;
    zip.Add("first.txt", "before the hole", 8);
    Entry far;
    far.name = "far/away.txt";
    far.data = "after 4 GiB";
    far.gapBefore = (std::uint64_t{1} << 32) + 1000;
    far.versionNeeded = 45;
    zip.Add(far);
    zip.WriteTo(archivePath);
    if (fs::file_size(archivePath) < (std::uint64_t{1} << 32)) ZIPTEST_SKIP("no large files here");
    OpenFile(archivePath);
    ASSERT_EQ(zipper.GetCount(), 2);
    Extract();
    EXPECT_TRUE(Failed().empty());
    EXPECT_EQ(temp.read("out/first.txt"), "before the hole");
    EXPECT_EQ(temp.read("out/far/away.txt"), "after 4 GiB");
}

TEST_F(Zip64, ExtractsAnItemOver4GiB) {
    // Emulated 32-bit Windows would take many minutes over it.
    if (ziptest::OnWindows()) ZIPTEST_SKIP("writes 4 GiB: native runs only");
    constexpr std::uint64_t kMebibytes = 4097;
    Entry huge;
    huge.name = "huge.bin";
    huge.method = 8;
    huge.compressed = ziptest::DeflateZeroMebibytes(kMebibytes);
    huge.uncompressedSize = kMebibytes << 20;
    huge.crc = ziptest::CrcOfZeroMebibytes(kMebibytes);
    huge.versionNeeded = 45;
    Open(ZipWriter().Add(huge));
    EXPECT_EQ(zipper.GetItem(0).UncompressedSize(), kMebibytes << 20);
    Extract();
    EXPECT_TRUE(Failed().empty());
    EXPECT_EQ(fs::file_size(temp.file("out/huge.bin")), kMebibytes << 20);
    const std::vector<int> progress = ProgressOf("huge.bin");
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
    fs::remove(temp.file("out/huge.bin"));
}

}  // namespace
