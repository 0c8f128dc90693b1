// Least-significant-bit-first bit packing, the order every ZIP method uses.
#pragma once

#include <cstdint>
#include <vector>

namespace codectest {

class BitWriter {
public:
    // value's low `bits` bits, lowest first.
    void Put(std::uint32_t value, unsigned bits) {
        for (unsigned i = 0; i < bits; ++i) PutBit((value >> i) & 1);
    }
    // A prefix code whose first bit is the most significant of `length` bits.
    void PutCode(std::uint32_t code, unsigned length) {
        for (unsigned i = length; i-- > 0;) PutBit((code >> i) & 1);
    }
    void PutBit(unsigned bit) {
        if (count_ == 0) bytes_.push_back(0);
        bytes_.back() = static_cast<std::uint8_t>(bytes_.back() | (bit << count_));
        count_ = (count_ + 1) & 7;
    }
    void AlignToByte() { count_ = 0; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    unsigned count_ = 0;
};

}  // namespace codectest
