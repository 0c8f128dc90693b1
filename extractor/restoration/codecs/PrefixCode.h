// Table-driven decoding of a prefix code (Huffman, Shannon-Fano) read from a
// BitReader with the first bit of each code first, as Deflate and Implode
// store them. Codes are up to 16 bits; codes longer than the primary table's
// bits go through a second table per prefix.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "restoration/codecs/BitReader.h"
#include "restoration/codecs/DataChecks.h"

namespace codecs {

class PrefixCode {
public:
    static constexpr unsigned kMaxLength = 16;

    // lengths[s] is the code length of symbol s (0: symbol unused) and codes[s]
    // its code, the first bit read being the most significant. Throws a
    // DataError when a code is longer than kMaxLength or two codes collide
    // (one is a prefix of the other). Bit patterns no code covers are allowed
    // here and give a DataError when met in Decode.
    void Build(const std::uint8_t* lengths, const std::uint16_t* codes, std::size_t count, unsigned primaryBits);

    // The canonical code of Deflate for the given lengths; throws a DataError
    // when the lengths ask for more codes than there are bit patterns.
    void BuildCanonical(const std::uint8_t* lengths, std::size_t count, unsigned primaryBits);

    unsigned Decode(BitReader& in) const {
        in.Need(kMaxLength);
        const Entry* entry = &table_[in.Peek(primaryBits_)];
        if (entry->subBits != 0) entry = &table_[entry->value + (in.Peek(primaryBits_ + entry->subBits) >> primaryBits_)];
        Require(entry->length != 0, "compressed data: invalid code");
        in.Drop(entry->length);
        return entry->value;
    }

private:
    struct Entry {
        std::uint32_t value = 0;    // the symbol, or for a link the second table's offset
        std::uint8_t length = 0;    // the whole code's length; 0: no code here
        std::uint8_t subBits = 0;   // non-zero: a link to a second table indexed by that many further bits
    };
    std::vector<Entry> table_;
    unsigned primaryBits_ = 0;
};

}  // namespace codecs
