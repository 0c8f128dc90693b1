#include "restoration/codecs/Inflate64.h"

#include <cstdint>

#include "restoration/codecs/BitReader.h"
#include "restoration/codecs/OutputWindow.h"
#include "restoration/codecs/PrefixCode.h"

namespace codecs {

namespace {

constexpr std::size_t kWindowSize = 64 * 1024;
constexpr std::size_t kMaxMatch = 65538;   // length code 285: 3 + 16 extra bits
constexpr std::size_t kMaxStored = 65535;
constexpr unsigned kLiteralCodes = 288;
constexpr unsigned kDistanceCodes = 32;
constexpr unsigned kEndOfBlock = 256;

constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 3};
constexpr std::uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 16};
constexpr std::uint32_t kDistanceBase[kDistanceCodes] = {
    1,    2,    3,    4,    5,    7,     9,     13,    17,    25,    33,    49,    65,    97,    129,   193,
    257,  385,  513,  769,  1025, 1537,  2049,  3073,  4097,  6145,  8193,  12289, 16385, 24577, 32769, 49153};
constexpr std::uint8_t kDistanceExtra[kDistanceCodes] = {0, 0, 0, 0, 1, 1, 2,  2,  3,  3,  4,  4,  5,  5,  6,  6,
                                                         7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14};
// The order in which a dynamic block lists the code lengths of the code-length code.
constexpr std::uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

class Inflater {
public:
    Inflater(ByteSource& source, ByteSink& sink, std::uint64_t size)
        : in_(source), out_(sink, kWindowSize, kMaxMatch, size) {}

    void Run() {
        if (out_.Remaining() == 0 && in_.AtEnd()) return;
        bool last;
        do {
            last = in_.Bits(1) != 0;
            switch (in_.Bits(2)) {
            case 0: CopyStoredBlock(); break;
            case 1: UseFixedCodes(); DecodeBlock(); break;
            case 2: ReadDynamicCodes(); DecodeBlock(); break;
            default: ThrowDataError("compressed data: invalid block type");
            }
        } while (!last);
        CheckNoneMissing(out_.Remaining());
        out_.Flush();
    }

private:
    void CopyStoredBlock() {
        in_.AlignToByte();
        std::uint32_t length = in_.Bits(16);
        Require(in_.Bits(16) == (~length & 0xFFFF), "compressed data: invalid stored block length");
        std::uint8_t* out = out_.Reserve(length);
        in_.ReadAlignedBytes(out, length);
        out_.Commit(length);
    }

    void UseFixedCodes() {
        std::uint8_t lengths[kLiteralCodes + kDistanceCodes];
        unsigned s = 0;
        for (; s < 144; ++s) lengths[s] = 8;
        for (; s < 256; ++s) lengths[s] = 9;
        for (; s < 280; ++s) lengths[s] = 7;
        for (; s < kLiteralCodes; ++s) lengths[s] = 8;
        for (; s < kLiteralCodes + kDistanceCodes; ++s) lengths[s] = 5;
        literals_.BuildCanonical(lengths, kLiteralCodes, 9);
        distances_.BuildCanonical(lengths + kLiteralCodes, kDistanceCodes, 5);
    }

    void ReadDynamicCodes() {
        const unsigned literalCount = in_.Bits(5) + 257;
        const unsigned distanceCount = in_.Bits(5) + 1;
        const unsigned codeLengthCount = in_.Bits(4) + 4;
        std::uint8_t codeLengthLengths[19] = {};
        for (unsigned i = 0; i < codeLengthCount; ++i) codeLengthLengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(in_.Bits(3));
        PrefixCode codeLengths;
        codeLengths.BuildCanonical(codeLengthLengths, 19, 7);

        std::uint8_t lengths[kLiteralCodes + kDistanceCodes] = {};
        const unsigned total = literalCount + distanceCount;
        unsigned i = 0;
        while (i < total) {
            unsigned symbol = codeLengths.Decode(in_);
            if (symbol < 16) {
                lengths[i++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            std::uint8_t value = 0;
            unsigned repeat;
            if (symbol == 16) {
                Require(i != 0, "compressed data: repeated code length without a previous one");
                value = lengths[i - 1];
                repeat = 3 + in_.Bits(2);
            } else if (symbol == 17) {
                repeat = 3 + in_.Bits(3);
            } else {
                repeat = 11 + in_.Bits(7);
            }
            Require(repeat <= total - i, "compressed data: code lengths overrun");
            for (; repeat > 0; --repeat) lengths[i++] = value;
        }
        Require(lengths[kEndOfBlock] != 0, "compressed data: block without an end code");
        literals_.BuildCanonical(lengths, literalCount, 10);
        distances_.BuildCanonical(lengths + literalCount, distanceCount, 8);
    }

    void DecodeBlock() {
        for (;;) {
            unsigned symbol = literals_.Decode(in_);
            if (symbol < 256) {
                out_.Put(static_cast<std::uint8_t>(symbol));
                continue;
            }
            if (symbol == kEndOfBlock) return;
            symbol -= 257;
            Require(symbol < 29, "compressed data: invalid length code");
            std::size_t length = kLengthBase[symbol] + in_.Bits(kLengthExtra[symbol]);
            unsigned distanceCode = distances_.Decode(in_);
            std::size_t distance = kDistanceBase[distanceCode] + in_.Bits(kDistanceExtra[distanceCode]);
            Require(distance <= out_.Produced(), "compressed data: distance before the start of the data");
            out_.Copy(distance, length);
        }
    }

    BitReader in_;
    OutputWindow out_;
    PrefixCode literals_;
    PrefixCode distances_;
};

static_assert(kMaxStored <= kMaxMatch);

}  // namespace

void Inflate64(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize) {
    Inflater(source, sink, uncompressedSize).Run();
}

}  // namespace codecs
