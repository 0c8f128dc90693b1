// Deflate: zlib-made streams of every block kind through both decoding paths.
#include <zlib.h>

#include <gtest/gtest.h>

#include "CaseName.h"
#include "CodecTestSupport.h"
#include "ReferenceDeflate.h"
#include "restoration/codecs/Crc32.h"
#include "restoration/codecs/Decode.h"
#include "restoration/codecs/Inflate.h"

namespace {

using namespace codectest;
using sampledata::ZlibDeflate;

enum class Path { Whole, Streaming, Chosen };

Bytes Inflated(Path path, const Bytes& compressed, std::uint64_t size, std::size_t piece = SIZE_MAX) {
    MemorySource source(compressed, piece);
    MemorySink sink;
    switch (path) {
    case Path::Whole: codecs::InflateWholeBuffer(source, sink, compressed.size(), size); break;
    case Path::Streaming: codecs::InflateStreaming(source, sink, size); break;
    case Path::Chosen: codecs::Inflate(source, sink, compressed.size(), size); break;
    }
    return sink.bytes;
}

const Path kPaths[] = {Path::Whole, Path::Streaming, Path::Chosen};

struct RoundTrip {
    const char* name;
    std::size_t size;
    bool random;
    int level;
    int strategy;
};

const RoundTrip kRoundTrips[] = {
    {"OneByte", 1, false, 6, Z_DEFAULT_STRATEGY},
    {"StoredBlocks", 150'000, true, 0, Z_DEFAULT_STRATEGY},      // several 64 KiB stored blocks
    {"FixedBlocks", 40'000, false, 6, Z_FIXED},
    {"DynamicBlocks", 300'000, false, 9, Z_DEFAULT_STRATEGY},
    {"IncompressibleData", 70'000, true, 6, Z_DEFAULT_STRATEGY},
    {"RunsOfOneByte", 200'000, false, 6, Z_RLE},
};

class InflateRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(InflateRoundTrip, BothPathsGiveTheOriginalBytes) {
    const RoundTrip& c = GetParam();
    Bytes data = c.random ? RandomBytes(c.size, 7) : TextLikeBytes(c.size, 7);
    if (c.strategy == Z_RLE) std::fill(data.begin() + 100, data.end() - 100, 'x');
    Bytes compressed = ZlibDeflate(data, c.level, c.strategy);
    for (Path path : kPaths) {
        EXPECT_EQ(Inflated(path, compressed, data.size()), data);
        EXPECT_EQ(Inflated(path, compressed, data.size(), 999), data);
    }
}

INSTANTIATE_TEST_SUITE_P(Zlib, InflateRoundTrip, testing::ValuesIn(kRoundTrips),
                         testsupport::CaseName());

TEST(Inflate, ByteByByteInputIsDecoded) {
    Bytes data = TextLikeBytes(20'000, 3);
    Bytes compressed = ZlibDeflate(data, 6);
    for (Path path : kPaths) EXPECT_EQ(Inflated(path, compressed, data.size(), 1), data);
}

// Records how much input had been read when the first output arrived.
class WatchingSink : public codecs::ByteSink {
public:
    explicit WatchingSink(const MemorySource& source) : source_(source) {}
    void Write(const std::uint8_t*, std::size_t size) override {
        if (written == 0) consumedAtFirstWrite = source_.consumed();
        written += size;
    }
    std::size_t consumedAtFirstWrite = 0;
    std::uint64_t written = 0;

private:
    const MemorySource& source_;
};

// Whether an item was decoded in one piece shows in when output starts: after all input was read, or before.
TEST(Inflate, ItemsBeyondTheBudgetAreDecodedAsAStream) {
    const std::size_t budget = static_cast<std::size_t>(codecs::kInflateWholeBufferBudget);
    struct Case {
        const char* name;
        Bytes data;
        bool onePiece;
    };
    const Case cases[] = {
        {"Small", TextLikeBytes(100'000, 11), true},
        {"CompressibleAboveHalfTheBudget", TextLikeBytes(budget * 2 / 3, 12), true},
        {"IncompressibleAboveHalfTheBudget", RandomBytes(budget / 2 + 1000, 13), false},
        {"LargerThanTheBudget", TextLikeBytes(budget + 1, 14), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes compressed = ZlibDeflate(c.data, 1);
        EXPECT_EQ(codecs::FitsWholeBufferBudget(compressed.size(), c.data.size()), c.onePiece);
        MemorySource source(compressed, 16 * 1024);
        WatchingSink sink(source);
        codecs::Inflate(source, sink, compressed.size(), c.data.size());
        EXPECT_EQ(sink.written, c.data.size());
        if (c.onePiece)
            EXPECT_EQ(sink.consumedAtFirstWrite, compressed.size());
        else
            EXPECT_LT(sink.consumedAtFirstWrite, compressed.size() / 2);
    }
    EXPECT_FALSE(codecs::FitsWholeBufferBudget(UINT64_MAX, 1));  // sizes from a header must not overflow the sum
    EXPECT_FALSE(codecs::FitsWholeBufferBudget(1, UINT64_MAX));
}

TEST(Inflate, ADecoderReusesItsBuffersAcrossItems) {
    codecs::Decoder decoder;
    for (std::size_t size : {std::size_t{3'000'000}, std::size_t{10}, std::size_t{500'000}, std::size_t{3'500'000}}) {
        Bytes data = TextLikeBytes(size, static_cast<std::uint32_t>(size));
        Bytes compressed = ZlibDeflate(data, 6);
        MemorySource source(compressed);
        MemorySink sink;
        decoder.Decode(codecs::kDeflated, 0, source, sink, compressed.size(), data.size());
        EXPECT_EQ(sink.bytes, data);
    }
    Bytes bad = {0x07};
    MemorySource source(bad);
    MemorySink sink;
    EXPECT_THROW(decoder.Decode(codecs::kDeflated, 0, source, sink, 1, 10), codecs::DataError);
    decoder.Release();
}

TEST(Inflate, EmptyItems) {
    const Bytes nothing;
    const Bytes emptyStream = ZlibDeflate({}, 6);
    for (Path path : kPaths) {
        EXPECT_TRUE(Inflated(path, nothing, 0).empty());      // some writers store no stream at all
        EXPECT_TRUE(Inflated(path, emptyStream, 0).empty());
        EXPECT_THROW(Inflated(path, nothing, 5), codecs::DataError);
    }
}

TEST(Inflate, BytesAfterTheFinalBlockAreIgnored) {
    Bytes data = TextLikeBytes(5000, 1);
    Bytes compressed = ZlibDeflate(data, 6);
    compressed.insert(compressed.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    for (Path path : kPaths) EXPECT_EQ(Inflated(path, compressed, data.size()), data);
}

TEST(Inflate, SizeMismatchesAreDataErrors) {
    Bytes data = TextLikeBytes(50'000, 2);
    Bytes compressed = ZlibDeflate(data, 6);
    for (Path path : kPaths) {
        EXPECT_THROW(Inflated(path, compressed, data.size() + 1), codecs::DataError);  // stream ends short
        EXPECT_THROW(Inflated(path, compressed, data.size() - 1), codecs::DataError);  // stream gives more
        EXPECT_THROW(Inflated(path, compressed, 0), codecs::DataError);
    }
}

TEST(Inflate, NeverPassesMoreThanTheDeclaredSize) {
    Bytes data = TextLikeBytes(600'000, 2);
    Bytes compressed = ZlibDeflate(data, 6);
    const std::uint64_t declared = 300'000;
    for (Path path : {Path::Whole, Path::Streaming}) {
        MemorySource source(compressed);
        MemorySink sink;
        EXPECT_THROW(path == Path::Streaming ? codecs::InflateStreaming(source, sink, declared)
                                             : codecs::InflateWholeBuffer(source, sink, compressed.size(), declared),
                     codecs::DataError);
        EXPECT_LE(sink.bytes.size(), declared);
    }
}

TEST(Inflate, TruncatedStreamsAreDataErrors) {
    Bytes data = TextLikeBytes(30'000, 4);
    Bytes compressed = ZlibDeflate(data, 6);
    for (std::size_t keep : {std::size_t{0}, std::size_t{1}, compressed.size() / 2, compressed.size() - 1}) {
        SCOPED_TRACE(keep);
        Bytes cut(compressed.begin(), compressed.begin() + static_cast<std::ptrdiff_t>(keep));
        for (Path path : kPaths) EXPECT_THROW(Inflated(path, cut, data.size()), codecs::DataError);
    }
}

TEST(Inflate, InvalidStreamsAreDataErrors) {
    const Bytes cases[] = {
        {0x07},                          // final block of the reserved type 3
        {0x00, 0x05, 0x00, 0x05, 0x00},  // stored block whose length check does not match
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    };
    for (const Bytes& bad : cases)
        for (Path path : kPaths) EXPECT_THROW(Inflated(path, bad, 10), codecs::DataError);
}

TEST(Inflate, ExceptionsFromTheStreamsPassThrough) {
    struct Abort {};
    struct AbortingSink : codecs::ByteSink {
        void Write(const std::uint8_t*, std::size_t) override { throw Abort{}; }
    };
    struct FailingSource : codecs::ByteSource {
        std::size_t Read(std::uint8_t*, std::size_t) override { throw Abort{}; }
    };
    Bytes data = TextLikeBytes(10'000, 9);
    Bytes compressed = ZlibDeflate(data, 6);
    for (Path path : kPaths) {
        MemorySource source(compressed);
        AbortingSink sink;
        EXPECT_THROW(path == Path::Streaming ? codecs::InflateStreaming(source, sink, data.size())
                                             : codecs::InflateWholeBuffer(source, sink, compressed.size(), data.size()),
                     Abort);
        FailingSource failing;
        MemorySink any;
        EXPECT_THROW(codecs::Inflate(failing, any, compressed.size(), data.size()), Abort);
    }
}

}  // namespace

namespace {

// Finding where a stream of unknown sizes ends, as the archive scan needs.
TEST(MeasureDeflate, FindsTheExactEndOfAStreamFollowedByOtherBytes) {
    Bytes data(300000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>((i * 7919) >> 5);
    const Bytes compressed = ZlibDeflate(data, 6);
    Bytes followed = compressed;
    const Bytes after = {'P', 'K', 7, 8, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    followed.insert(followed.end(), after.begin(), after.end());
    for (const std::size_t piece : {std::size_t{1}, std::size_t{1000}, SIZE_MAX}) {
        SCOPED_TRACE(piece);
        MemorySource source(followed, piece);
        const auto extent = codecs::MeasureDeflate(source);
        ASSERT_TRUE(extent.has_value());
        EXPECT_EQ(extent->compressedSize, compressed.size());
        EXPECT_EQ(extent->uncompressedSize, data.size());
        EXPECT_EQ(extent->crc32, codecs::Crc32(0, data.data(), data.size()));
    }
}

TEST(MeasureDeflate, DamagedOrCutStreamsHaveNoEnd) {
    const Bytes compressed = ZlibDeflate(Bytes(5000, 'x'), 9);
    const Bytes cut(compressed.begin(), compressed.begin() + static_cast<std::ptrdiff_t>(compressed.size() / 2));
    const Bytes invalid = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};  // block type 3 does not exist
    for (const Bytes& bytes : {cut, invalid, Bytes()}) {
        MemorySource source(bytes);
        EXPECT_FALSE(codecs::MeasureDeflate(source).has_value());
    }
}

}  // namespace
