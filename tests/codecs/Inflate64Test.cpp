// Deflate64: hand-made streams for the 64 KiB window and the codes that differ
// from Deflate, and zlib-made streams that mean the same in both formats.
#include <zlib.h>

#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "encoders/Deflate64Writer.h"
#include "restoration/codecs/Decode.h"

namespace {

using namespace codectest;

Bytes Inflate64(const Bytes& compressed, std::uint64_t size, std::size_t piece = SIZE_MAX) {
    return Decode(codecs::kDeflate64, 0, compressed, size, piece);
}

// 64 KiB of random bytes in two stored blocks, as history for far matches.
void PutHistory(Deflate64Writer& w) {
    Bytes history = RandomBytes(65536, 21);
    w.StoredBlock(Bytes(history.begin(), history.begin() + 40000), false);
    w.StoredBlock(Bytes(history.begin() + 40000, history.end()), false);
}

TEST(Inflate64, FarDistancesAndLongLengths) {
    Deflate64Writer w;
    PutHistory(w);
    w.BeginFixedBlock(true);
    w.Match(65538, 65536);           // distance code 31 at its largest, length code 285 at its largest
    w.Match(1000, 40000);            // distance code 30
    w.Match(5, 32769);               // distance code 30 at its base
    w.Match(3, 49153);               // distance code 31 at its base
    w.Match(10, 3, true);            // a short length through code 285
    w.Match(258, 1);                 // 258 is code 285 with extra 255 here, not Deflate's plain 285
    w.Match(257, 7);                 // code 284 at its top
    w.Literal('!');
    w.EndBlock();
    EXPECT_EQ(Inflate64(w.stream(), w.expected().size()), w.expected());
    EXPECT_EQ(Inflate64(w.stream(), w.expected().size(), 3), w.expected());
}

TEST(Inflate64, WindowKeepsTheLast64KiBAcrossManyRefills) {
    Deflate64Writer w;
    PutHistory(w);
    w.BeginFixedBlock(false);
    for (int i = 0; i < 6; ++i) {
        w.Match(40000, 65536);
        w.Literal(static_cast<std::uint8_t>(i));
        w.Match(30000, 65535);
    }
    w.EndBlock();
    w.StoredBlock(ToBytes("tail"), true);
    ASSERT_GT(w.expected().size(), 400'000u);
    EXPECT_EQ(Inflate64(w.stream(), w.expected().size()), w.expected());
}

TEST(Inflate64, InvalidSymbolsAreDataErrors) {
    struct Case {
        const char* name;
        void (*build)(Deflate64Writer&);
    };
    const Case cases[] = {
        {"DistanceBeforeTheStart", [](Deflate64Writer& w) {
             w.BeginFixedBlock(true);
             w.Literal('a');
             w.LiteralLengthSymbol(257);  // length 3
             w.DistanceSymbol(1);         // distance 2, but only 1 byte exists
         }},
        {"LengthSymbol286", [](Deflate64Writer& w) {
             w.BeginFixedBlock(true);
             w.Literal('a');
             w.LiteralLengthSymbol(286);
             w.DistanceSymbol(0);
         }},
        {"LengthSymbol287", [](Deflate64Writer& w) {
             w.BeginFixedBlock(true);
             w.Literal('a');
             w.LiteralLengthSymbol(287);
             w.DistanceSymbol(0);
         }},
        {"ReservedBlockType", [](Deflate64Writer& w) { w.bits().Put(7, 3); }},
        {"StoredLengthCheck", [](Deflate64Writer& w) {
             w.bits().Put(1, 3);
             w.bits().AlignToByte();
             w.bits().Put(4, 16);
             w.bits().Put(4, 16);
             w.bits().Put(0, 32);
         }},
        {"NoFinalBlock", [](Deflate64Writer& w) {
             w.BeginFixedBlock(false);
             w.Literal('a');
             w.EndBlock();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Deflate64Writer w;
        c.build(w);
        EXPECT_THROW(Inflate64(w.stream(), 100), codecs::DataError);
    }
}

TEST(Inflate64, DynamicCodeLengthErrors) {
    // Dynamic block headers: HLIT, HDIST, HCLEN, then 3-bit lengths of the code-length code.
    struct Case {
        const char* name;
        void (*build)(BitWriter&);
    };
    const Case cases[] = {
        {"RepeatWithoutAPreviousLength", [](BitWriter& b) {
             b.Put(1, 1), b.Put(2, 2), b.Put(0, 5), b.Put(0, 5), b.Put(0, 4);
             b.Put(1, 3), b.Put(1, 3), b.Put(0, 3), b.Put(0, 3);  // symbols 16 and 17 with 1-bit codes
             b.PutCode(0, 1), b.Put(0, 2);                        // 16 first
         }},
        {"RepeatsPastTheEnd", [](BitWriter& b) {
             b.Put(1, 1), b.Put(2, 2), b.Put(0, 5), b.Put(0, 5), b.Put(0, 4);
             b.Put(0, 3), b.Put(0, 3), b.Put(1, 3), b.Put(1, 3);  // symbols 18 and 0 with 1-bit codes
             for (int i = 0; i < 3; ++i) b.PutCode(1, 1), b.Put(127, 7);  // 3 x 138 zeros > 258 lengths
         }},
        {"OverSubscribedCodeLengthCode", [](BitWriter& b) {
             b.Put(1, 1), b.Put(2, 2), b.Put(0, 5), b.Put(0, 5), b.Put(0, 4);
             b.Put(1, 3), b.Put(1, 3), b.Put(1, 3), b.Put(0, 3);  // three codes of 1 bit
         }},
        {"NoEndOfBlockCode", [](BitWriter& b) {
             b.Put(1, 1), b.Put(2, 2), b.Put(0, 5), b.Put(0, 5), b.Put(0, 4);
             b.Put(0, 3), b.Put(0, 3), b.Put(1, 3), b.Put(1, 3);  // 18 and 0
             b.PutCode(0, 1);                                     // length of symbol 0: 0
             b.PutCode(1, 1), b.Put(127, 7), b.PutCode(1, 1), b.Put(108, 7);  // 138 + 119 zeros = 258
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BitWriter b;
        c.build(b);
        for (int i = 0; i < 8; ++i) b.Put(0, 8);
        EXPECT_THROW(Inflate64(b.bytes(), 100), codecs::DataError);
    }
}

// zlib output is valid Deflate64 when no match is 258 long (zlib codes 258 as
// symbol 285) and nothing reaches past 32 KiB: data with a counter every 100
// bytes has no repeat longer than about 200 bytes.
TEST(Inflate64, ZlibDynamicBlocksWithoutLongMatches) {
    Bytes text = TextLikeBytes(250'000, 17);
    Bytes data;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i % 100 == 0) {
            data.push_back(static_cast<std::uint8_t>(i / 100));
            data.push_back(static_cast<std::uint8_t>(i / 25600));
        }
        data.push_back(text[i]);
    }
    for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED}) {
        z_stream stream{};
        ASSERT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, strategy), Z_OK);
        Bytes compressed(deflateBound(&stream, static_cast<uLong>(data.size())));
        stream.next_in = data.data();
        stream.avail_in = static_cast<uInt>(data.size());
        stream.next_out = compressed.data();
        stream.avail_out = static_cast<uInt>(compressed.size());
        ASSERT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
        compressed.resize(stream.total_out);
        deflateEnd(&stream);
        EXPECT_EQ(Inflate64(compressed, data.size(), 4096), data);
    }
}

TEST(Inflate64, SizeRules) {
    Deflate64Writer w;
    w.BeginFixedBlock(true);
    for (char c : std::string("abcdefgh")) w.Literal(static_cast<std::uint8_t>(c));
    w.Match(300, 8);
    w.EndBlock();
    const std::size_t size = w.expected().size();
    EXPECT_EQ(Inflate64(w.stream(), size), w.expected());
    EXPECT_THROW(Inflate64(w.stream(), size + 1), codecs::DataError);
    EXPECT_THROW(Inflate64(w.stream(), size - 1), codecs::DataError);
    EXPECT_THROW(Inflate64(w.stream(), 100), codecs::DataError);  // inside the match
    EXPECT_TRUE(Inflate64({}, 0).empty());
    EXPECT_THROW(Inflate64({}, 1), codecs::DataError);
}

}  // namespace
