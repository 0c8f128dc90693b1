#include "restoration/codecs/BitReader.h"

#include <algorithm>

namespace codecs {

bool BitReader::FillBuffer() {
    if (atEnd_) return false;
    const std::size_t got = ReadSource(source_, buffer_.get(), kBufferSize);
    next_ = buffer_.get();
    end_ = next_ + got;
    if (got == 0) atEnd_ = true;
    return got != 0;
}

void BitReader::RefillSlowly() {
    while (count_ <= 56) {
        if (next_ == end_ && !FillBuffer()) {
            // Zero bits for look-ahead only: Drop throws once one of them is consumed.
            paddingBits_ += 8;
            count_ += 8;
            continue;
        }
        bits_ |= std::uint64_t{*next_++} << count_;
        count_ += 8;
    }
}

void BitReader::ReadAlignedBytes(std::uint8_t* out, std::size_t size) {
    while (size > 0 && count_ >= 8) {
        if (count_ - 8 < paddingBits_) ThrowTruncated();
        *out++ = static_cast<std::uint8_t>(bits_);
        bits_ >>= 8;
        count_ -= 8;
        --size;
    }
    if (count_ == 0) bits_ = 0;  // forget bytes looked at ahead; they are read again below
    while (size > 0) {
        if (next_ == end_ && !FillBuffer()) ThrowTruncated();
        std::size_t n = std::min<std::size_t>(size, static_cast<std::size_t>(end_ - next_));
        std::memcpy(out, next_, n);
        next_ += n;
        out += n;
        size -= n;
    }
}

bool BitReader::AtEnd() {
    if (count_ > paddingBits_ || next_ != end_) return false;
    return !FillBuffer();
}

}  // namespace codecs
