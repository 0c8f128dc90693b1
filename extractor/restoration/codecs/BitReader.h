// Least-significant-bit-first reader of a ByteSource, shared by the decoders
// of our own. It keeps 57 to 64 bits at hand; past the end of the source it
// supplies zero bits for look-ahead, and consuming any of them is a DataError.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "restoration/codecs/DataChecks.h"
#include "restoration/codecs/Streams.h"

namespace codecs {

class BitReader {
public:
    explicit BitReader(ByteSource& source)
        : source_(source), buffer_(new std::uint8_t[kBufferSize]), next_(buffer_.get()), end_(next_) {}
    BitReader(const BitReader&) = delete;
    BitReader& operator=(const BitReader&) = delete;

    // Makes at least n (<= kMaxPeekBits) bits available.
    void Need(unsigned n) {
        if (count_ < n) Refill();
    }

    // The next n bits (n <= kMaxPeekBits) without consuming them; call Need(n) first.
    std::uint32_t Peek(unsigned n) const { return static_cast<std::uint32_t>(bits_ & ((std::uint64_t{1} << n) - 1)); }
    void Drop(unsigned n) {
        bits_ >>= n;
        count_ -= n;
        if (count_ < paddingBits_) [[unlikely]]
            ThrowTruncated();
    }
    std::uint32_t Bits(unsigned n) {
        Need(n);
        std::uint32_t value = Peek(n);
        Drop(n);
        return value;
    }

    // True when the source has no more bytes and none are left unread here.
    bool AtEnd();

    // Byte-aligned access (stored blocks): drops the rest of the current byte,
    // then copies size bytes.
    void AlignToByte() { Drop(count_ & 7); }
    void ReadAlignedBytes(std::uint8_t* out, std::size_t size);

    static constexpr unsigned kMaxPeekBits = 32;

private:
    // Fills the bit buffer to 56 bits or more; called with fewer than kMaxPeekBits in it.
    void Refill() {
        if (end_ - next_ >= 8) {
            // The bits above count_ stay equal to the bytes still to come, so ORing them in again is harmless.
            std::uint64_t word;
            std::memcpy(&word, next_, 8);
            bits_ |= LittleEndian(word) << count_;
            next_ += (63 - count_) >> 3;
            count_ |= 56;
        } else {
            RefillSlowly();
        }
    }
    static std::uint64_t LittleEndian(std::uint64_t word) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        return __builtin_bswap64(word);
#else
        return word;
#endif
    }
    void RefillSlowly();
    bool FillBuffer();

    static constexpr std::size_t kBufferSize = 32 * 1024;

    ByteSource& source_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    const std::uint8_t* next_;
    const std::uint8_t* end_;
    std::uint64_t bits_ = 0;
    unsigned count_ = 0;
    unsigned paddingBits_ = 0;  // zero bits appended after the source's end
    bool atEnd_ = false;
};

}  // namespace codecs
