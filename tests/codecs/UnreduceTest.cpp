// Reduce: round trips through a test encoder for every factor, and streams
// built by hand whose output is worked out by hand.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "CodecTestSupport.h"
#include "encoders/BitWriter.h"
#include "encoders/ReduceEncoder.h"
#include "restoration/codecs/Decode.h"
#include "restoration/codecs/Unreduce.h"

namespace {

using namespace codectest;

Bytes Unreduce(const Bytes& compressed, std::uint64_t size, int factor, std::size_t piece = SIZE_MAX) {
    return Decode(static_cast<std::uint16_t>(codecs::kReducedFactor1 + factor - 1), 0, compressed, size, piece);
}

Bytes WithManyEscapes(std::size_t size) {
    Bytes data = TextLikeBytes(size, 5);
    for (std::size_t i = 0; i < data.size(); i += 7) data[i] = 144;  // the byte that introduces matches
    return data;
}

TEST(Unreduce, RoundTripsForEveryFactorAndFollowerSetSize) {
    const Bytes inputs[] = {TextLikeBytes(20'000, 1), WithManyEscapes(8'000), RandomBytes(3'000, 2), Bytes(5'000, 'z')};
    // 1 and 2 followers take a 1-bit index, 3 takes 2 bits, 17 takes 5; 0 sends every byte whole.
    const unsigned followerLimits[] = {32, 17, 3, 2, 1, 0};
    for (int factor = 1; factor <= 4; ++factor) {
        for (const Bytes& input : inputs) {
            for (unsigned limit : followerLimits) {
                SCOPED_TRACE(testing::Message() << "factor " << factor << ", " << input.size() << " bytes, " << limit
                                                << " followers");
                Bytes compressed = Reduce(input, factor, limit);
                ASSERT_EQ(Unreduce(compressed, input.size(), factor), input);
            }
        }
    }
}

TEST(Unreduce, SmallReadsDecodeTheSame) {
    Bytes input = TextLikeBytes(10'000, 8);
    Bytes compressed = Reduce(input, 4);
    EXPECT_EQ(Unreduce(compressed, input.size(), 4, 1), input);
    EXPECT_EQ(Unreduce(compressed, input.size(), 4, 5), input);
}

void NoFollowerSets(BitWriter& b) {
    for (int i = 0; i < 256; ++i) b.Put(0, 6);
}

struct HandMade {
    const char* name;
    int factor;
    void (*build)(BitWriter&);
    Bytes expected;
    bool endsInMatch = true;
};

const HandMade kHandMade[] = {
    // With no follower sets every byte is 8 plain bits. 144, V=3, 2: length 3+3, distance 2+1.
    {"MatchRepeatsTheLastThreeBytes", 1,
     [](BitWriter& b) {
         NoFollowerSets(b);
         for (int byte : std::initializer_list<int>{'a', 'b', 'c', 144, 3, 2}) b.Put(byte, 8);
     },
     ToBytes("abcabcabc")},
    {"EscapedEscapeByte", 2,
     [](BitWriter& b) {
         NoFollowerSets(b);
         for (int byte : std::initializer_list<int>{'x', 144, 0, 'y'}) b.Put(byte, 8);
     },
     Bytes{'x', 144, 'y'}, false},
    // Factor 2: V=0x3F has the whole length mask set, so a length byte follows: 63 + 10 + 3 = 76, distance 1.
    {"LongLengthTakesAnExtraByte", 2,
     [](BitWriter& b) {
         NoFollowerSets(b);
         for (int byte : std::initializer_list<int>{'z', 144, 0x3F, 10, 0}) b.Put(byte, 8);
     },
     Bytes(77, 'z')},
    // Factor 4: V=0xF2: distance (15 << 8) + 255 + 1 = 4096 reaches before the start, which reads as zeros.
    {"BytesBeforeTheStartAreZeros", 4,
     [](BitWriter& b) {
         NoFollowerSets(b);
         for (int byte : std::initializer_list<int>{'a', 144, 0xF2, 0xFF}) b.Put(byte, 8);
     },
     Bytes{'a', 0, 0, 0, 0, 0}},
    // Sets: byte 0 -> {'x'}, 'x' -> {'y', 'z'}. Decoding starts after byte 0.
    // 'x': 0, index 0 (1 bit). 'z': 0, index 1 (1 bit). 'q': 8 bits ('z' has no set).
    // 'x': 8 bits ('q' has no set). 'w': 1, then 8 bits (not among 'x's followers).
    {"FollowerSets", 1,
     [](BitWriter& b) {
         for (int byte = 255; byte >= 0; --byte) {
             if (byte == 'x') {
                 b.Put(2, 6), b.Put('y', 8), b.Put('z', 8);
             } else if (byte == 0) {
                 b.Put(1, 6), b.Put('x', 8);
             } else {
                 b.Put(0, 6);
             }
         }
         b.Put(0, 1), b.Put(0, 1);
         b.Put(0, 1), b.Put(1, 1);
         b.Put('q', 8);
         b.Put('x', 8);
         b.Put(1, 1), b.Put('w', 8);
     },
     ToBytes("xzqxw"), false},
};

class UnreduceHandMade : public testing::TestWithParam<HandMade> {};

TEST_P(UnreduceHandMade, DecodesAsWorkedOut) {
    const HandMade& c = GetParam();
    BitWriter b;
    c.build(b);
    EXPECT_EQ(Unreduce(b.bytes(), c.expected.size(), c.factor), c.expected);
    // Decoding stops at the declared size; a match reaching beyond it is an error, not a silent cut.
    if (c.endsInMatch) {
        EXPECT_THROW(Unreduce(b.bytes(), c.expected.size() - 1, c.factor), codecs::DataError);
    }
    EXPECT_THROW(Unreduce(b.bytes(), c.expected.size() + 1, c.factor), codecs::DataError);
}

INSTANTIATE_TEST_SUITE_P(Streams, UnreduceHandMade, testing::ValuesIn(kHandMade),
                         testsupport::CaseName());

TEST(Unreduce, InvalidFollowerDataIsADataError) {
    {
        BitWriter b;
        b.Put(33, 6);  // byte 255 with 33 followers: at most 32 are allowed
        for (int i = 0; i < 64; ++i) b.Put(0, 8);
        EXPECT_THROW(Unreduce(b.bytes(), 10, 1), codecs::DataError);
    }
    {
        BitWriter b;
        for (int byte = 255; byte >= 0; --byte) {
            if (byte == 0) {
                b.Put(3, 6), b.Put('a', 8), b.Put('b', 8), b.Put('c', 8);
            } else {
                b.Put(0, 6);
            }
        }
        b.Put(0, 1), b.Put(3, 2);  // index 3 of a set of 3
        EXPECT_THROW(Unreduce(b.bytes(), 1, 1), codecs::DataError);
    }
}

TEST(Unreduce, FactorOutsideOneToFourIsRefused) {
    const Bytes nothing;
    MemorySource source(nothing);
    MemorySink sink;
    EXPECT_THROW(codecs::Unreduce(source, sink, 1, 0), std::invalid_argument);
    EXPECT_THROW(codecs::Unreduce(source, sink, 1, 5), std::invalid_argument);
}

}  // namespace
