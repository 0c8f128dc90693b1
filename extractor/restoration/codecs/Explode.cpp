#include "restoration/codecs/Explode.h"

#include <memory>

#include "restoration/codecs/BitReader.h"
#include "restoration/codecs/OutputWindow.h"
#include "restoration/codecs/PrefixCode.h"

namespace codecs {

namespace {

constexpr std::uint16_t kLargeWindowFlag = 1u << 1;   // 8 KiB instead of 4 KiB
constexpr std::uint16_t kLiteralTreeFlag = 1u << 2;   // three trees instead of two
constexpr unsigned kLiteralSymbols = 256;
constexpr unsigned kLengthSymbols = 64;
constexpr unsigned kDistanceSymbols = 64;
constexpr unsigned kLongLength = 63;                  // followed by 8 more bits of length
constexpr std::size_t kMaxMatch = 63 + 255 + 3;

// A tree as stored: a byte giving the number of bytes that follow minus one,
// then bytes of (run of symbols - 1) << 4 | (code length - 1), for the
// symbols in order. Codes are assigned longest first, and within a length
// from the highest symbol down, counting up from 0 in 16-bit space.
void ReadTree(BitReader& in, unsigned symbolCount, unsigned primaryBits, PrefixCode& tree) {
    std::uint8_t lengths[kLiteralSymbols] = {};
    const unsigned bytes = in.Bits(8) + 1;
    unsigned symbol = 0;
    for (unsigned i = 0; i < bytes; ++i) {
        unsigned byte = in.Bits(8);
        unsigned length = (byte & 0x0F) + 1;
        unsigned run = (byte >> 4) + 1;
        Require(run <= symbolCount - symbol, "compressed data: code tree lists too many symbols");
        for (; run > 0; --run) lengths[symbol++] = static_cast<std::uint8_t>(length);
    }
    Require(symbol == symbolCount, "compressed data: code tree lists too few symbols");

    std::uint16_t codes[kLiteralSymbols] = {};
    std::uint32_t code = 0;
    for (unsigned length = PrefixCode::kMaxLength; length >= 1; --length) {
        for (unsigned s = symbolCount; s-- > 0;) {
            if (lengths[s] != length) continue;
            Require(code < (1u << 16), "compressed data: code tree is over-subscribed");
            codes[s] = static_cast<std::uint16_t>(code >> (16 - length));
            code += 1u << (16 - length);
        }
    }
    tree.Build(lengths, codes, symbolCount, primaryBits);
}

class Exploder {
public:
    Exploder(ByteSource& source, ByteSink& sink, std::uint64_t size, std::uint16_t flags)
        : in_(source),
          largeWindow_((flags & kLargeWindowFlag) != 0),
          literalTree_((flags & kLiteralTreeFlag) != 0),
          out_(sink, largeWindow_ ? 8192 : 4096, kMaxMatch, size) {}

    void Run() {
        if (literalTree_) ReadTree(in_, kLiteralSymbols, 9, literals_);
        ReadTree(in_, kLengthSymbols, 8, lengths_);
        ReadTree(in_, kDistanceSymbols, 8, distances_);
        const unsigned lowDistanceBits = largeWindow_ ? 7 : 6;
        const std::size_t minMatch = literalTree_ ? 3 : 2;
        while (out_.Remaining() > 0) {
            if (in_.Bits(1) != 0) {
                out_.Put(static_cast<std::uint8_t>(literalTree_ ? literals_.Decode(in_) : in_.Bits(8)));
                continue;
            }
            std::size_t distance = in_.Bits(lowDistanceBits);
            distance |= std::size_t{distances_.Decode(in_)} << lowDistanceBits;
            std::size_t length = lengths_.Decode(in_);
            if (length == kLongLength) length += in_.Bits(8);
            out_.Copy(distance + 1, length + minMatch);
        }
        out_.Flush();
    }

private:
    BitReader in_;
    bool largeWindow_;
    bool literalTree_;
    OutputWindow out_;
    PrefixCode literals_;
    PrefixCode lengths_;
    PrefixCode distances_;
};

}  // namespace

void Explode(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize, std::uint16_t generalPurposeFlags) {
    if (uncompressedSize == 0) return;
    Exploder(source, sink, uncompressedSize, generalPurposeFlags).Run();
}

}  // namespace codecs
