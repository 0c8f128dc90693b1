// Shrink: round trips through a test encoder (code size growth, full tables
// and partial clears), and streams built by hand.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "CodecTestSupport.h"
#include "encoders/BitWriter.h"
#include "encoders/ShrinkEncoder.h"
#include "restoration/codecs/Decode.h"

namespace {

using namespace codectest;

Bytes Unshrink(const Bytes& compressed, std::uint64_t size, std::size_t piece = SIZE_MAX) {
    return Decode(codecs::kShrunk, 0, compressed, size, piece);
}

TEST(Unshrink, RoundTrips) {
    struct Case {
        const char* name;
        Bytes data;
        int minClears;
    };
    const Case cases[] = {
        {"Short", ToBytes("TOBEORNOTTOBEORTOBEORNOT"), 0},
        {"OneByteRepeated", Bytes(10'000, 'a'), 0},  // every new code is used at once
        {"Random", RandomBytes(20'000, 3), 1},
        {"TextOverManyClears", TextLikeBytes(400'000, 6), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShrinkStats stats;
        Bytes compressed = Shrink(c.data, &stats);
        EXPECT_GE(stats.partialClears, c.minClears);
        if (c.minClears > 0) {
            EXPECT_EQ(stats.largestCodeBits, 13u);
        }
        EXPECT_EQ(Unshrink(compressed, c.data.size()), c.data);
        EXPECT_EQ(Unshrink(compressed, c.data.size(), 5), c.data);
    }
}

struct HandMade {
    const char* name;
    void (*build)(BitWriter&);
    Bytes expected;
};

const HandMade kHandMade[] = {
    // 257 is defined as "ab" when 98 arrives.
    {"DefinedCode", [](BitWriter& b) { b.Put('a', 9), b.Put('b', 9), b.Put(257, 9), b.Put(257, 9); }, ToBytes("ababab")},
    // 257 is used before it is defined: the previous string plus its first byte.
    {"CodeUsedAsItIsDefined", [](BitWriter& b) { b.Put('a', 9), b.Put(257, 9), b.Put('a', 9); }, ToBytes("aaaa")},
    // 256 1 widens the codes to 10 bits.
    {"WiderCodes", [](BitWriter& b) { b.Put('a', 9), b.Put(256, 9), b.Put(1, 9), b.Put('b', 10), b.Put(257, 10); },
     ToBytes("abab")},
    // 256 2 frees 257 ("ab", extended by nothing); the next new code takes 257 again: "bc".
    {"PartialClearReusesFreedCodes",
     [](BitWriter& b) { b.Put('a', 9), b.Put('b', 9), b.Put(256, 9), b.Put(2, 9), b.Put('c', 9), b.Put(257, 9); },
     ToBytes("abcbc")},
    // 257 "ab" is the prefix of 258 "abc", so a partial clear keeps it and frees 258 and 259.
    {"PartialClearKeepsPrefixes",
     [](BitWriter& b) {
         b.Put('a', 9), b.Put('b', 9), b.Put('c', 9);  // 257 ab, 258 bc
         b.Put(257, 9), b.Put('x', 9);                  // 259 ca, 260 abx
         b.Put(256, 9), b.Put(2, 9);                    // frees 258, 259, 260
         b.Put(257, 9), b.Put('z', 9), b.Put(258, 9);   // 258 "xa", 259 "abz"
     },
     ToBytes("abcabxabzxa")},
};

class UnshrinkHandMade : public testing::TestWithParam<HandMade> {};

TEST_P(UnshrinkHandMade, DecodesAsWorkedOut) {
    const HandMade& c = GetParam();
    BitWriter b;
    c.build(b);
    EXPECT_EQ(Unshrink(b.bytes(), c.expected.size()), c.expected);
    EXPECT_THROW(Unshrink(b.bytes(), c.expected.size() + 1), codecs::DataError);
}

INSTANTIATE_TEST_SUITE_P(Streams, UnshrinkHandMade, testing::ValuesIn(kHandMade),
                         testsupport::CaseName());

TEST(Unshrink, InvalidCodesAreDataErrors) {
    struct Case {
        const char* name;
        void (*build)(BitWriter&);
    };
    const Case cases[] = {
        {"FirstCodeNotAByte", [](BitWriter& b) { b.Put(257, 9); }},
        {"CodeFarBeyondTheNextFree", [](BitWriter& b) { b.Put('a', 9), b.Put(300, 9); }},
        {"UnknownControlCode", [](BitWriter& b) { b.Put('a', 9), b.Put(256, 9), b.Put(3, 9); }},
        {"CodesWiderThan13Bits", [](BitWriter& b) {
             b.Put('a', 9);
             for (unsigned bits = 9; bits <= 13; ++bits) b.Put(256, bits), b.Put(1, bits);
         }},
        {"FreedCodeUsed", [](BitWriter& b) {  // 258 is freed by the clear and not the next code to define
             b.Put('a', 9), b.Put('b', 9), b.Put('c', 9), b.Put(256, 9), b.Put(2, 9), b.Put(258, 9);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BitWriter b;
        c.build(b);
        for (int i = 0; i < 8; ++i) b.Put('a', 9);
        EXPECT_THROW(Unshrink(b.bytes(), 20), codecs::DataError);
    }
}

TEST(Unshrink, AStringReachingPastTheDeclaredSizeIsADataError) {
    BitWriter b;
    b.Put('a', 9), b.Put('b', 9), b.Put(257, 9);
    EXPECT_EQ(Unshrink(b.bytes(), 2), ToBytes("ab"));
    EXPECT_THROW(Unshrink(b.bytes(), 3), codecs::DataError);
}

}  // namespace
