#include "encoders/ImplodeEncoder.h"

#include <algorithm>

#include "encoders/BitWriter.h"
#include "encoders/MatchFinder.h"

namespace codectest {

namespace {

struct Tree {
    std::vector<std::uint8_t> lengths;
    std::vector<std::uint16_t> codes;
};

Tree MakeTree(std::vector<std::uint8_t> lengths) { return Tree{lengths, ShannonFanoCodes(lengths)}; }

// 64 symbols: 3 of 2 bits, 3 of 7 bits, 58 of 8 bits (complete).
Tree SixtyFourSymbolTree() {
    std::vector<std::uint8_t> lengths(64, 8);
    for (int s = 0; s < 3; ++s) lengths[s] = 2;
    for (int s = 3; s < 6; ++s) lengths[s] = 7;
    return MakeTree(lengths);
}

// 256 literals: 4 bytes of 4 bits, 12 of 6 bits, the 48 highest other bytes 8 bits, the rest 9 bits (complete).
Tree LiteralTree() {
    std::vector<std::uint8_t> lengths(256, 9);
    const char* short4 = "e ta";
    const char* short6 = "oinshrdlcu\n.";
    for (const char* c = short4; *c; ++c) lengths[static_cast<std::uint8_t>(*c)] = 4;
    for (const char* c = short6; *c; ++c) lengths[static_cast<std::uint8_t>(*c)] = 6;
    int shortened = 0;
    for (int s = 255; s >= 0 && shortened < 48; --s) {
        if (lengths[s] == 9) {
            lengths[s] = 8;
            ++shortened;
        }
    }
    return MakeTree(lengths);
}

void PutTree(BitWriter& bits, const std::vector<std::uint8_t>& lengths) {
    std::vector<std::uint8_t> runs;
    for (std::size_t s = 0; s < lengths.size();) {
        std::size_t run = 1;
        while (run < 16 && s + run < lengths.size() && lengths[s + run] == lengths[s]) ++run;
        runs.push_back(static_cast<std::uint8_t>(((run - 1) << 4) | (lengths[s] - 1)));
        s += run;
    }
    bits.Put(static_cast<std::uint32_t>(runs.size() - 1), 8);
    for (std::uint8_t r : runs) bits.Put(r, 8);
}

void PutSymbol(BitWriter& bits, const Tree& tree, unsigned symbol) { bits.PutCode(tree.codes[symbol], tree.lengths[symbol]); }

}  // namespace

std::vector<std::uint16_t> ShannonFanoCodes(const std::vector<std::uint8_t>& lengths) {
    std::vector<std::uint16_t> codes(lengths.size());
    std::uint32_t code = 0;
    for (unsigned length = 16; length >= 1; --length) {
        for (std::size_t s = lengths.size(); s-- > 0;) {
            if (lengths[s] != length) continue;
            codes[s] = static_cast<std::uint16_t>(code >> (16 - length));
            code += 1u << (16 - length);
        }
    }
    return codes;
}

std::vector<std::uint8_t> Implode(const std::vector<std::uint8_t>& data, std::uint16_t flags) {
    const bool largeWindow = (flags & 2) != 0;
    const bool literalTree = (flags & 4) != 0;
    const std::size_t minMatch = literalTree ? 3 : 2;
    const unsigned lowBits = largeWindow ? 7 : 6;
    const Tree literals = LiteralTree();
    const Tree lengths = SixtyFourSymbolTree();
    const Tree distances = SixtyFourSymbolTree();

    BitWriter bits;
    if (literalTree) PutTree(bits, literals.lengths);
    PutTree(bits, lengths.lengths);
    PutTree(bits, distances.lengths);

    MatchFinder finder(data, largeWindow ? 8192 : 4096, 63 + 255 + minMatch);
    std::size_t pos = 0;
    while (pos < data.size()) {
        Match m = finder.Longest(pos, [](const Match&) { return true; });
        if (m.length < minMatch || m.length < 3) {
            finder.Remember(pos, 1);
            bits.Put(1, 1);
            if (literalTree) PutSymbol(bits, literals, data[pos]);
            else bits.Put(data[pos], 8);
            ++pos;
            continue;
        }
        finder.Remember(pos, m.length);
        std::size_t d = m.distance - 1;
        bits.Put(0, 1);
        bits.Put(static_cast<std::uint32_t>(d & ((1u << lowBits) - 1)), lowBits);
        PutSymbol(bits, distances, static_cast<unsigned>(d >> lowBits));
        std::size_t l = m.length - minMatch;
        PutSymbol(bits, lengths, static_cast<unsigned>(std::min<std::size_t>(l, 63)));
        if (l >= 63) bits.Put(static_cast<std::uint32_t>(l - 63), 8);
        pos += m.length;
    }
    return bits.bytes();
}

}  // namespace codectest
