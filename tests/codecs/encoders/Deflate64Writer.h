// Writes Deflate64 streams of stored and fixed-code blocks from explicit
// literals and matches, and keeps the bytes they stand for.
#pragma once

#include <cstdint>
#include <vector>

#include "encoders/BitWriter.h"

namespace codectest {

class Deflate64Writer {
public:
    void BeginFixedBlock(bool last);
    void Literal(std::uint8_t byte);
    // length 3 to 65538, distance 1 to 65536. Lengths above 257 always take
    // code 285 (base 3, 16 extra bits); forceCode285 takes it for any length.
    void Match(std::uint32_t length, std::uint32_t distance, bool forceCode285 = false);
    void EndBlock();
    void StoredBlock(const std::vector<std::uint8_t>& bytes, bool last);

    const std::vector<std::uint8_t>& stream() const { return bits_.bytes(); }
    const std::vector<std::uint8_t>& expected() const { return expected_; }

    // Raw symbols, for building damaged streams.
    void LiteralLengthSymbol(unsigned symbol);
    void DistanceSymbol(unsigned symbol) { bits_.PutCode(symbol, 5); }
    BitWriter& bits() { return bits_; }

private:
    BitWriter bits_;
    std::vector<std::uint8_t> expected_;
};

}  // namespace codectest
