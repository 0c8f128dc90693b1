// Damaged data for every method: cut short, declared too long, flipped bits
// and garbage. Each ends in a DataError or in exactly the declared bytes;
// never in more bytes, a crash or a hang (the sanitizers watch the rest).

#include <functional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "CaseName.h"
#include "CodecTestSupport.h"
#include "ReferenceDeflate.h"
#include "TestData.h"
#include "encoders/ImplodeEncoder.h"
#include "encoders/ReduceEncoder.h"
#include "encoders/ShrinkEncoder.h"
#include "restoration/codecs/Decode.h"
#include "restoration/codecs/Inflate.h"

namespace {

using sampledata::ZlibDeflate;

using namespace codectest;

struct Sample {
    std::string name;
    std::uint16_t method;
    std::uint16_t flags;
    Bytes compressed;
    Bytes original;
    // Stored, Deflate and Deflate64 data know their end. The other methods
    // stop at the declared size, and the spare bits of their last byte may
    // decode to a byte or two more.
    bool knowsItsEnd() const {
        return method == codecs::kStored || method == codecs::kDeflated || method == codecs::kDeflate64;
    }
};

std::vector<Sample> Samples() {
    const Bytes text = TextLikeBytes(3000, 12);
    std::vector<Sample> samples;
    samples.push_back({"Stored", codecs::kStored, 0, text, text});
    samples.push_back({"Deflate", codecs::kDeflated, 0, ZlibDeflate(text), text});
    auto deflate64 = ReadLocalItems(ReadFile(testsupport::ZipCorpusFile("COMPRESS-380.zip")));
    samples.push_back({"Deflate64", codecs::kDeflate64, 0, deflate64.at(0).data,
                       ReadFile(testsupport::ZipCorpusFile("COMPRESS-380-input"))});
    samples.push_back({"Shrink", codecs::kShrunk, 0, Shrink(text), text});
    for (int factor = 1; factor <= 4; ++factor)
        samples.push_back({"Reduce" + std::to_string(factor),
                           static_cast<std::uint16_t>(codecs::kReducedFactor1 + factor - 1), 0, Reduce(text, factor), text});
    for (std::uint16_t flags : {0, 2, 4, 6})
        samples.push_back({"Implode" + std::to_string(flags), codecs::kImploded, flags, Implode(text, flags), text});
    return samples;
}

// Fails the test on any byte past the declared size.
class BoundedSink : public codecs::ByteSink {
public:
    explicit BoundedSink(std::uint64_t limit) : limit_(limit) {}
    void Write(const std::uint8_t* data, std::size_t size) override {
        if (size > limit_ - bytes.size()) {
            ADD_FAILURE() << "decoder passed " << bytes.size() + size << " bytes, declared " << limit_;
            throw std::logic_error("overflow");
        }
        bytes.insert(bytes.end(), data, data + size);
    }
    Bytes bytes;

private:
    std::uint64_t limit_;
};

enum class Outcome { Decoded, DataError };

Outcome Attempt(const Sample& s, const Bytes& compressed, std::uint64_t declared, std::size_t piece = SIZE_MAX) {
    MemorySource source(compressed, piece);
    BoundedSink sink(declared);
    std::uint64_t compressedSize = s.method == codecs::kStored ? declared : compressed.size();
    try {
        codecs::Decode(s.method, s.flags, source, sink, compressedSize, declared);
    } catch (const codecs::DataError&) {
        return Outcome::DataError;
    }
    EXPECT_EQ(sink.bytes.size(), declared);
    return Outcome::Decoded;
}

class Damaged : public testing::TestWithParam<Sample> {};

TEST_P(Damaged, SampleDecodes) {
    const Sample& s = GetParam();
    EXPECT_EQ(Decode(s.method, s.flags, s.compressed, s.original.size()), s.original);
}

TEST_P(Damaged, EveryCutIsADataError) {
    const Sample& s = GetParam();
    const std::size_t step = std::max<std::size_t>(1, s.compressed.size() / 300);
    for (std::size_t keep = 0; keep < s.compressed.size(); keep += step) {
        Bytes cut(s.compressed.begin(), s.compressed.begin() + static_cast<std::ptrdiff_t>(keep));
        EXPECT_EQ(Attempt(s, cut, s.original.size()), Outcome::DataError) << "kept " << keep << " bytes";
    }
}

TEST_P(Damaged, DeclaringMoreThanTheDataHoldsIsADataError) {
    const Sample& s = GetParam();
    if (s.knowsItsEnd()) {
        EXPECT_EQ(Attempt(s, s.compressed, s.original.size() + 1), Outcome::DataError);
    }
    EXPECT_EQ(Attempt(s, s.compressed, s.original.size() + 100'000), Outcome::DataError);
}

TEST_P(Damaged, FlippedBitsNeverGiveMoreThanDeclared) {
    const Sample& s = GetParam();
    std::mt19937 random(99);
    for (int round = 0; round < 150; ++round) {
        Bytes damaged = s.compressed;
        for (int flips = 1 + round % 4; flips > 0; --flips)
            damaged[random() % damaged.size()] ^= static_cast<std::uint8_t>(1u << (random() % 8));
        Attempt(s, damaged, s.original.size(), 1 + round % 50);
    }
}

TEST_P(Damaged, GarbageNeverGivesMoreThanDeclared) {
    const Sample& s = GetParam();
    for (std::uint32_t seed = 0; seed < 60; ++seed) {
        Bytes garbage = RandomBytes(1 + seed * 37, seed);
        Attempt(s, garbage, 1 + seed * 101);
        Attempt(s, garbage, 5'000'000);  // a huge declared size ends when the data does
    }
}

// Fills what it is asked for, or what it has left, and claims one byte more than asked.
class OverReportingSource : public codecs::ByteSource {
public:
    explicit OverReportingSource(const Bytes& data) : inner_(data) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t size) override {
        inner_.Read(buffer, size);
        return size + 1;
    }

private:
    MemorySource inner_;
};

// What the DataError says, or "" when the data decodes.
std::string FaultText(const Sample& s, codecs::ByteSource& source, std::uint64_t declared) {
    MemorySink sink;
    const std::uint64_t compressedSize = s.method == codecs::kStored ? declared : s.compressed.size();
    try {
        codecs::Decode(s.method, s.flags, source, sink, compressedSize, declared);
    } catch (const codecs::DataError& e) {
        return e.what();
    }
    return "";
}

// Callers show these texts: each stream fault has one, the same in every decoder.
TEST_P(Damaged, StreamFaultsHaveTheirOwnTexts) {
    const Sample& s = GetParam();
    const std::string data = s.method == codecs::kStored ? "stored data" : "compressed data";
    const std::uint64_t size = s.original.size();
    const Bytes nothing;
    MemorySource empty(nothing);
    EXPECT_EQ(FaultText(s, empty, size), data + " ends early");
    OverReportingSource over(s.compressed);
    EXPECT_EQ(FaultText(s, over, size), data + ": the source reported more bytes than asked for");
    if (s.knowsItsEnd() && s.method != codecs::kStored) {
        MemorySource longer(s.compressed);
        EXPECT_EQ(FaultText(s, longer, size - 1), "compressed data gives more bytes than the declared size");
        MemorySource shorter(s.compressed);
        EXPECT_EQ(FaultText(s, shorter, size + 1), "compressed data gives fewer bytes than the declared size");
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, Damaged, testing::ValuesIn(Samples()),
                         testsupport::CaseName());

TEST(Decode, StoredItemWithDifferentSizesIsADataError) {
    const Bytes data = ToBytes("stored");
    MemorySource source(data);
    MemorySink sink;
    EXPECT_THROW(codecs::Decode(codecs::kStored, 0, source, sink, 6, 5), codecs::DataError);
}

// The streaming Deflate path, which Decode takes for large items only, says the same.
TEST(Inflate, StreamingStreamFaultsHaveTheirOwnTexts) {
    const Bytes text = TextLikeBytes(3000, 12);
    const Bytes packed = ZlibDeflate(text);
    auto faultText = [&](codecs::ByteSource& source, std::uint64_t declared) -> std::string {
        MemorySink sink;
        try {
            codecs::InflateStreaming(source, sink, declared);
        } catch (const codecs::DataError& e) {
            return e.what();
        }
        return "";
    };
    const Bytes nothing;
    MemorySource empty(nothing);
    EXPECT_EQ(faultText(empty, text.size()), "compressed data ends early");
    OverReportingSource over(packed);
    EXPECT_EQ(faultText(over, text.size()), "compressed data: the source reported more bytes than asked for");
    MemorySource longer(packed);
    EXPECT_EQ(faultText(longer, text.size() - 1), "compressed data gives more bytes than the declared size");
    MemorySource shorter(packed);
    EXPECT_EQ(faultText(shorter, text.size() + 1), "compressed data gives fewer bytes than the declared size");
}

TEST(Decode, SupportedMethods) {
    for (std::uint16_t method = 0; method < 100; ++method) {
        bool expected = method <= 6 || method == 8 || method == 9;
        EXPECT_EQ(codecs::IsSupportedMethod(method), expected) << method;
    }
    const Bytes nothing;
    MemorySource source(nothing);
    MemorySink sink;
    EXPECT_THROW(codecs::Decode(7, 0, source, sink, 0, 0), codecs::UnsupportedMethod);   // tokenizing
    EXPECT_THROW(codecs::Decode(12, 0, source, sink, 0, 0), codecs::UnsupportedMethod);  // bzip2
    EXPECT_THROW(codecs::Decode(99, 0, source, sink, 0, 0), codecs::UnsupportedMethod);  // encrypted marker
}

}  // namespace
