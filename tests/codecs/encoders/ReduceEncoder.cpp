#include "encoders/ReduceEncoder.h"

#include <algorithm>
#include <array>

#include "encoders/BitWriter.h"
#include "encoders/MatchFinder.h"

namespace codectest {

namespace {

constexpr std::uint8_t kEscape = 144;

// The intermediate stream: bytes, 144 escaped as 144 0, matches as 144 V [extra] low-distance.
std::vector<std::uint8_t> Intermediate(const std::vector<std::uint8_t>& data, int factor) {
    const std::size_t mask = 0xFFu >> factor;
    const std::size_t maxDistance = std::size_t{256} << factor;
    const std::size_t maxLength = mask + 255 + 3;
    std::vector<std::uint8_t> out;
    MatchFinder finder(data, maxDistance, maxLength);
    std::size_t pos = 0;
    while (pos < data.size()) {
        // Length 3 at a distance up to 256 would make V zero, which stands for a plain 144.
        Match best = finder.Longest(pos, [](const Match& m) { return m.length > 3 || m.distance > 256; });
        const std::size_t bestLength = best.length, bestDistance = best.distance;
        finder.Remember(pos, bestLength >= 3 ? bestLength : 1);
        if (bestLength >= 3) {
            std::size_t l = bestLength - 3;
            std::size_t high = (bestDistance - 1) >> 8;
            out.push_back(kEscape);
            out.push_back(static_cast<std::uint8_t>((high << (8 - factor)) | std::min(l, mask)));
            if (l >= mask) out.push_back(static_cast<std::uint8_t>(l - mask));
            out.push_back(static_cast<std::uint8_t>((bestDistance - 1) & 0xFF));
            pos += bestLength;
        } else {
            out.push_back(data[pos]);
            if (data[pos] == kEscape) out.push_back(0);
            ++pos;
        }
    }
    return out;
}

unsigned IndexBits(std::size_t n) {
    unsigned bits = 1;
    while ((std::size_t{1} << bits) < n) ++bits;
    return bits;
}

}  // namespace

std::vector<std::uint8_t> Reduce(const std::vector<std::uint8_t>& data, int factor, unsigned maxFollowers) {
    std::vector<std::uint8_t> stream = Intermediate(data, factor);

    std::vector<std::array<unsigned, 256>> counts(256, std::array<unsigned, 256>{});
    std::uint8_t last = 0;
    for (std::uint8_t b : stream) {
        ++counts[last][b];
        last = b;
    }
    std::vector<std::vector<std::uint8_t>> followers(256);
    for (unsigned from = 0; from < 256; ++from) {
        std::vector<std::uint8_t> seen;
        for (unsigned to = 0; to < 256; ++to)
            if (counts[from][to] > 0) seen.push_back(static_cast<std::uint8_t>(to));
        std::stable_sort(seen.begin(), seen.end(), [&](std::uint8_t a, std::uint8_t b) { return counts[from][a] > counts[from][b]; });
        if (seen.size() > maxFollowers) seen.resize(maxFollowers);
        followers[from] = seen;
    }

    BitWriter bits;
    for (int from = 255; from >= 0; --from) {
        bits.Put(static_cast<std::uint32_t>(followers[from].size()), 6);
        for (std::uint8_t b : followers[from]) bits.Put(b, 8);
    }
    last = 0;
    for (std::uint8_t b : stream) {
        const auto& set = followers[last];
        if (set.empty()) {
            bits.Put(b, 8);
        } else {
            auto found = std::find(set.begin(), set.end(), b);
            if (found == set.end()) {
                bits.Put(1, 1);
                bits.Put(b, 8);
            } else {
                bits.Put(0, 1);
                bits.Put(static_cast<std::uint32_t>(found - set.begin()), IndexBits(set.size()));
            }
        }
        last = b;
    }
    return bits.bytes();
}

}  // namespace codectest
