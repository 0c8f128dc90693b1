// Implode: round trips through a test encoder for the four variants, and a
// stream built by hand.
#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "encoders/BitWriter.h"
#include "encoders/ImplodeEncoder.h"
#include "restoration/codecs/Decode.h"

namespace {

using namespace codectest;

constexpr std::uint16_t kLargeWindow = 2;
constexpr std::uint16_t kLiteralTree = 4;

Bytes Explode(const Bytes& compressed, std::uint64_t size, std::uint16_t flags, std::size_t piece = SIZE_MAX) {
    return Decode(codecs::kImploded, flags, compressed, size, piece);
}

TEST(Explode, RoundTripsForEveryVariant) {
    Bytes far = RandomBytes(9'000, 4);  // repeats 8 KiB back fit only the large window
    Bytes farRepeat = far;
    farRepeat.insert(farRepeat.end(), far.begin(), far.begin() + 3000);
    const Bytes inputs[] = {TextLikeBytes(30'000, 3), RandomBytes(2'000, 5), Bytes(4'000, 'q'), farRepeat};
    for (std::uint16_t flags : {std::uint16_t{0}, kLargeWindow, kLiteralTree, std::uint16_t(kLargeWindow | kLiteralTree)}) {
        for (const Bytes& input : inputs) {
            SCOPED_TRACE(testing::Message() << "flags " << flags << ", " << input.size() << " bytes");
            Bytes compressed = Implode(input, flags);
            ASSERT_EQ(Explode(compressed, input.size(), flags), input);
            ASSERT_EQ(Explode(compressed, input.size(), flags, 3), input);
        }
    }
}

// Trees where each of the 64 symbols has 6 bits: Shannon-Fano assigns the
// highest symbol code 0, so symbol s has the code 63 - s.
void UniformTree(BitWriter& b) {
    b.Put(3, 8);                                  // 4 bytes follow
    for (int i = 0; i < 4; ++i) b.Put(0xF5, 8);   // 16 symbols of length 6, four times
}

TEST(Explode, HandMadeStream) {
    BitWriter b;
    UniformTree(b);  // lengths
    UniformTree(b);  // distances
    // Match: low distance bits 9, high part 0 -> distance 10, before the start;
    // length symbol 1 -> 1 + 2 = 3 zero bytes.
    b.Put(0, 1), b.Put(9, 6), b.PutCode(63, 6), b.PutCode(62, 6);
    // Literal 'A' as 8 plain bits (no literal tree).
    b.Put(1, 1), b.Put('A', 8);
    // Match: distance 1; length symbol 63 takes 8 more bits: 63 + 255 + 2 = 320.
    b.Put(0, 1), b.Put(0, 6), b.PutCode(63, 6), b.PutCode(0, 6), b.Put(255, 8);
    Bytes expected = {0, 0, 0, 'A'};
    expected.insert(expected.end(), 320, 'A');
    EXPECT_EQ(Explode(b.bytes(), expected.size(), 0), expected);
    EXPECT_THROW(Explode(b.bytes(), expected.size() - 1, 0), codecs::DataError);  // the match would reach past the end
    EXPECT_THROW(Explode(b.bytes(), expected.size() + 1, 0), codecs::DataError);  // the data ends first
}

TEST(Explode, InvalidTreesAreDataErrors) {
    struct Case {
        const char* name;
        void (*build)(BitWriter&);
    };
    const Case cases[] = {
        {"TooFewSymbols", [](BitWriter& b) { b.Put(0, 8), b.Put(0xF5, 8); }},
        {"TooManySymbols", [](BitWriter& b) {
             b.Put(4, 8);
             for (int i = 0; i < 5; ++i) b.Put(0xF5, 8);
         }},
        {"OverSubscribed", [](BitWriter& b) {  // 64 codes of 1 bit
             b.Put(3, 8);
             for (int i = 0; i < 4; ++i) b.Put(0xF0, 8);
         }},
        {"CodesThatArePrefixesOfOthers", [](BitWriter& b) {  // one 1-bit code, 63 of 16 bits: misaligned
             b.Put(4, 8), b.Put(0x00, 8);
             for (int i = 0; i < 3; ++i) b.Put(0xFF, 8);
             b.Put(0xEF, 8);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BitWriter b;
        c.build(b);
        UniformTree(b);
        for (int i = 0; i < 16; ++i) b.Put(0xAA, 8);
        EXPECT_THROW(Explode(b.bytes(), 10, 0), codecs::DataError);
    }
}

TEST(Explode, BitPatternsOutsideAnIncompleteTreeAreDataErrors) {
    BitWriter b;
    // Lengths: 32 symbols of 6 bits and 32 of 7 bits use 3/4 of the code space.
    b.Put(3, 8), b.Put(0xF5, 8), b.Put(0xF5, 8), b.Put(0xF6, 8), b.Put(0xF6, 8);
    UniformTree(b);
    // Shannon-Fano fills the space from code 0 upwards, longest first; all ones is unused.
    b.Put(0, 1), b.Put(0, 6), b.PutCode(0, 6), b.PutCode(0x7F, 7);
    EXPECT_THROW(Explode(b.bytes(), 10, 0), codecs::DataError);
}

}  // namespace
