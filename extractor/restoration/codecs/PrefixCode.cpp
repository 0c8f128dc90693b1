#include "restoration/codecs/PrefixCode.h"

#include <algorithm>

namespace codecs {

namespace {

std::uint32_t ReverseBits(std::uint32_t value, unsigned length) {
    std::uint32_t reversed = 0;
    for (unsigned i = 0; i < length; ++i) {
        reversed = (reversed << 1) | (value & 1);
        value >>= 1;
    }
    return reversed;
}

constexpr const char* kBadTable = "compressed data: invalid code table";

}  // namespace

void PrefixCode::Build(const std::uint8_t* lengths, const std::uint16_t* codes, std::size_t count,
                       unsigned primaryBits) {
    unsigned maxLength = 0;
    for (std::size_t s = 0; s < count; ++s) {
        Require(lengths[s] <= kMaxLength, kBadTable);
        maxLength = std::max<unsigned>(maxLength, lengths[s]);
    }
    primaryBits_ = std::clamp(maxLength, 1u, primaryBits);
    const std::uint32_t primarySize = std::uint32_t{1} << primaryBits_;
    const std::uint32_t primaryMask = primarySize - 1;

    // Size the second tables by the longest code below each primary entry.
    std::vector<std::uint8_t> subBits(primarySize, 0);
    for (std::size_t s = 0; s < count; ++s) {
        unsigned length = lengths[s];
        if (length <= primaryBits_) continue;
        std::uint32_t index = ReverseBits(codes[s], length) & primaryMask;
        subBits[index] = static_cast<std::uint8_t>(std::max<unsigned>(subBits[index], length - primaryBits_));
    }
    table_.assign(primarySize, Entry{});
    for (std::uint32_t i = 0; i < primarySize; ++i) {
        if (subBits[i] == 0) continue;
        table_[i].value = static_cast<std::uint32_t>(table_.size());
        table_[i].subBits = subBits[i];
        table_.resize(table_.size() + (std::size_t{1} << subBits[i]));
    }

    for (std::size_t s = 0; s < count; ++s) {
        unsigned length = lengths[s];
        if (length == 0) continue;
        Require((std::uint32_t{codes[s]} >> length) == 0, kBadTable);
        std::uint32_t pattern = ReverseBits(codes[s], length);
        Entry entry{static_cast<std::uint32_t>(s), static_cast<std::uint8_t>(length), 0};
        if (length <= primaryBits_) {
            for (std::uint32_t i = pattern; i < primarySize; i += std::uint32_t{1} << length) {
                Require(table_[i].length == 0 && table_[i].subBits == 0, kBadTable);
                table_[i] = entry;
            }
        } else {
            const Entry& link = table_[pattern & primaryMask];
            std::uint32_t subSize = std::uint32_t{1} << link.subBits;
            for (std::uint32_t i = pattern >> primaryBits_; i < subSize; i += std::uint32_t{1} << (length - primaryBits_)) {
                Entry& slot = table_[link.value + i];
                Require(slot.length == 0, kBadTable);
                slot = entry;
            }
        }
    }
}

void PrefixCode::BuildCanonical(const std::uint8_t* lengths, std::size_t count, unsigned primaryBits) {
    unsigned lengthCount[kMaxLength + 1] = {};
    for (std::size_t s = 0; s < count; ++s) {
        Require(lengths[s] <= kMaxLength, kBadTable);
        ++lengthCount[lengths[s]];
    }
    lengthCount[0] = 0;
    std::int64_t patternsLeft = 1;
    std::uint32_t next[kMaxLength + 1] = {};
    std::uint32_t code = 0;
    for (unsigned length = 1; length <= kMaxLength; ++length) {
        patternsLeft = patternsLeft * 2 - lengthCount[length];
        Require(patternsLeft >= 0, kBadTable);  // not over-subscribed
        code = (code + lengthCount[length - 1]) << 1;
        next[length] = code;
    }
    std::vector<std::uint16_t> codes(count, 0);
    for (std::size_t s = 0; s < count; ++s) {
        if (lengths[s] != 0) codes[s] = static_cast<std::uint16_t>(next[lengths[s]]++);
    }
    Build(lengths, codes.data(), count, primaryBits);
}

}  // namespace codecs
