// Real archives made by other tools decode to their recorded sizes and CRCs.
#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "TestData.h"
#include "restoration/codecs/Decode.h"

namespace {

using namespace codectest;

struct CorpusItem {
    const char* archive;
    const char* name;
    std::uint16_t method;
    std::uint64_t size;
    std::uint32_t crc;
};

const CorpusItem kCorpus[] = {
    {"SHRUNK.ZIP", "TEST1.XML", codecs::kShrunk, 76, 0x393A497A},
    {"SHRUNK.ZIP", "TEST2.XML", codecs::kShrunk, 81, 0xD19ABF92},
    {"imploding-4Kdict-2trees.zip", "HEADER.TXT", codecs::kImploded, 818, 0x3222D8C7},
    {"imploding-8Kdict-3trees.zip", "LICENSE.TXT", codecs::kImploded, 11560, 0x495FC599},
    {"COMPRESS-380.zip", "input2", codecs::kDeflate64, 3072, 0x2A604090},
};

class Corpus : public testing::TestWithParam<CorpusItem> {};

TEST_P(Corpus, DecodesToTheRecordedSizeAndCrc) {
    const CorpusItem& expected = GetParam();
    auto items = ReadLocalItems(ReadFile(testsupport::ZipCorpusFile(expected.archive)));
    auto item = std::find_if(items.begin(), items.end(), [&](const LocalItem& i) { return i.name == expected.name; });
    ASSERT_NE(item, items.end());
    ASSERT_EQ(item->method, expected.method);
    ASSERT_EQ(item->size, expected.size);

    for (std::size_t piece : {std::size_t{1}, std::size_t{7}, SIZE_MAX}) {
        SCOPED_TRACE(piece);
        Bytes decoded = Decode(item->method, item->flags, item->data, item->size, piece);
        EXPECT_EQ(decoded.size(), expected.size);
        EXPECT_EQ(Crc32Of(decoded), expected.crc);
    }
}

INSTANTIATE_TEST_SUITE_P(RealArchives, Corpus, testing::ValuesIn(kCorpus), [](const auto& info) {
    std::string name = std::string(info.param.archive) + "_" + info.param.name;
    for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

TEST(Corpus, Deflate64ItemMatchesTheKnownContent) {
    auto items = ReadLocalItems(ReadFile(testsupport::ZipCorpusFile("COMPRESS-380.zip")));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(Decode(items[0].method, items[0].flags, items[0].data, items[0].size),
              ReadFile(testsupport::ZipCorpusFile("COMPRESS-380-input")));
}

TEST(Corpus, UnsupportedMethodIsRefused) {
    auto items = ReadLocalItems(ReadFile(testsupport::ZipCorpusFile("moby.zip")));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_FALSE(codecs::IsSupportedMethod(items[0].method));
    EXPECT_THROW(Decode(items[0].method, items[0].flags, items[0].data, items[0].size), codecs::UnsupportedMethod);
}

}  // namespace
