#include "encoders/Deflate64Writer.h"

#include <stdexcept>

namespace codectest {

namespace {
const std::uint16_t kLengthBase[28] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23,
                                       27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227};
const std::uint8_t kLengthExtra[28] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};
const std::uint32_t kDistanceBase[32] = {1,    2,    3,    4,    5,    7,     9,     13,    17,    25,   33,
                                         49,   65,   97,   129,  193,  257,   385,   513,   769,   1025, 1537,
                                         2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577, 32769, 49153};
const std::uint8_t kDistanceExtra[32] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6,
                                         7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14};
}  // namespace

void Deflate64Writer::BeginFixedBlock(bool last) {
    bits_.Put(last ? 1 : 0, 1);
    bits_.Put(1, 2);
}

void Deflate64Writer::LiteralLengthSymbol(unsigned symbol) {
    if (symbol < 144) bits_.PutCode(0x30 + symbol, 8);
    else if (symbol < 256) bits_.PutCode(0x190 + symbol - 144, 9);
    else if (symbol < 280) bits_.PutCode(symbol - 256, 7);
    else bits_.PutCode(0xC0 + symbol - 280, 8);
}

void Deflate64Writer::Literal(std::uint8_t byte) {
    LiteralLengthSymbol(byte);
    expected_.push_back(byte);
}

void Deflate64Writer::Match(std::uint32_t length, std::uint32_t distance, bool forceCode285) {
    if (length < 3 || length > 65538 || distance < 1 || distance > 65536 || distance > expected_.size())
        throw std::invalid_argument("Deflate64Writer::Match");
    if (forceCode285 || length > 257) {
        LiteralLengthSymbol(285);
        bits_.Put(length - 3, 16);
    } else {
        unsigned code = 27;
        while (kLengthBase[code] > length) --code;
        LiteralLengthSymbol(257 + code);
        bits_.Put(length - kLengthBase[code], kLengthExtra[code]);
    }
    unsigned code = 31;
    while (kDistanceBase[code] > distance) --code;
    DistanceSymbol(code);
    bits_.Put(distance - kDistanceBase[code], kDistanceExtra[code]);
    for (std::uint32_t i = 0; i < length; ++i) expected_.push_back(expected_[expected_.size() - distance]);
}

void Deflate64Writer::EndBlock() { LiteralLengthSymbol(256); }

void Deflate64Writer::StoredBlock(const std::vector<std::uint8_t>& bytes, bool last) {
    bits_.Put(last ? 1 : 0, 1);
    bits_.Put(0, 2);
    bits_.AlignToByte();
    bits_.Put(static_cast<std::uint32_t>(bytes.size()), 16);
    bits_.Put(~static_cast<std::uint32_t>(bytes.size()) & 0xFFFF, 16);
    for (std::uint8_t b : bytes) bits_.Put(b, 8);
    expected_.insert(expected_.end(), bytes.begin(), bytes.end());
}

}  // namespace codectest
