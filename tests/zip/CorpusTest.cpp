// Archives made by other tools, extracted to the sizes and CRCs of the corpus
// manifest: Shrink, Implode (both dictionaries), Deflate64, and an
// unsupported method that must fail through the failure event.
#include <gtest/gtest.h>

#include "TestData.h"
#include "ZipTestSupport.h"

namespace {

using ziptest::UnZipperFixture;

struct CorpusItem {
    const char* archive;
    const char* name;
    std::uint64_t size;
    std::uint32_t crc;
    int failureCode;  // 0: must extract
};

class Corpus : public testing::TestWithParam<CorpusItem>, public UnZipperFixture {};

TEST_P(Corpus, ExtractsToTheManifestsSizeAndCrc) {
    const CorpusItem& c = GetParam();
    OpenFile(testsupport::ZipCorpusFile(c.archive).string());
    Extract();
    const auto* failure = FailureOf(c.name);
    if (c.failureCode != 0) {
        ASSERT_NE(failure, nullptr);
        EXPECT_EQ(failure->value, c.failureCode);
        EXPECT_FALSE(temp.exists(std::string("out/") + c.name));
        return;
    }
    ASSERT_EQ(failure, nullptr) << "failure code " << failure->value;
    const std::string data = temp.read(std::string("out/") + c.name);
    EXPECT_EQ(data.size(), c.size);
    EXPECT_EQ(ziptest::Crc32(data), c.crc);
}

INSTANTIATE_TEST_SUITE_P(
    Manifest, Corpus,
    testing::Values(CorpusItem{"SHRUNK.ZIP", "TEST1.XML", 76, 0x393A497A, 0},
                    CorpusItem{"SHRUNK.ZIP", "TEST2.XML", 81, 0xD19ABF92, 0},
                    CorpusItem{"imploding-4Kdict-2trees.zip", "HEADER.TXT", 818, 0x3222D8C7, 0},
                    CorpusItem{"imploding-8Kdict-3trees.zip", "LICENSE.TXT", 11560, 0x495FC599, 0},
                    CorpusItem{"COMPRESS-380.zip", "input2", 3072, 0x2A604090, 0},
                    CorpusItem{"moby.zip", "README", 9601, 0xE2A6F19E, zecInvalidMethod}),
    [](const auto& info) {
        std::string name = std::string(info.param.archive) + "_" + info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(CorpusContent, Deflate64ItemMatchesTheExpectedBytes) {
    UnZipperFixture f;
    f.OpenFile(testsupport::ZipCorpusFile("COMPRESS-380.zip").string());
    f.Extract();
    EXPECT_EQ(f.temp.read("out/input2"), testsupport::ReadFileBytes(testsupport::ZipCorpusFile("COMPRESS-380-input")));
}

}  // namespace

namespace {

// Abort answers end the extraction with the exception of the item's method.
TEST(CorpusAbort, Deflate64EndsWithAbortProgressAndShrinkWithUserAbort) {
    for (const auto& [archive, deflateFamily] : {std::pair{"COMPRESS-380.zip", true}, std::pair{"SHRUNK.ZIP", false}}) {
        SCOPED_TRACE(archive);
        UnZipperFixture f;
        f.onProgress = [](TZipItem&, int, bool& abort) { abort = true; };
        f.OpenFile(testsupport::ZipCorpusFile(archive).string());
        if (deflateFamily)
            EXPECT_THROW(f.Extract(), EAbortProgress);
        else
            EXPECT_THROW(f.Extract(), EUserAbort);
        EXPECT_FALSE(f.temp.exists(std::string("out/") + f.zipper.GetItem(0).FileName()));
    }
}

}  // namespace
