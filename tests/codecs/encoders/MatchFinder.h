// Finds earlier repeats for the test encoders: positions indexed by their
// first three bytes, the most recent few candidates tried.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

namespace codectest {

struct Match {
    std::size_t length = 0;
    std::size_t distance = 0;
};

class MatchFinder {
public:
    MatchFinder(const std::vector<std::uint8_t>& data, std::size_t maxDistance, std::size_t maxLength)
        : data_(data), maxDistance_(maxDistance), maxLength_(maxLength) {}

    // The longest match at pos that `acceptable` allows (length 0 if none); then
    // remembers positions pos to pos + advance - 1, advance being what the caller consumes.
    Match Longest(std::size_t pos, const std::function<bool(const Match&)>& acceptable) const {
        Match best;
        if (pos + 3 > data_.size()) return best;
        auto found = positions_.find(Key(pos));
        if (found == positions_.end()) return best;
        const auto& list = found->second;
        int tries = 0;
        for (auto it = list.rbegin(); it != list.rend() && tries < 48; ++it, ++tries) {
            Match m;
            m.distance = pos - *it;
            if (m.distance > maxDistance_) break;
            while (m.length < maxLength_ && pos + m.length < data_.size() && data_[pos + m.length] == data_[*it + m.length])
                ++m.length;
            if (m.length > best.length && acceptable(m)) best = m;
        }
        return best;
    }
    void Remember(std::size_t from, std::size_t count) {
        for (std::size_t p = from; p < from + count; ++p)
            if (p + 3 <= data_.size()) positions_[Key(p)].push_back(p);
    }

private:
    std::uint32_t Key(std::size_t p) const { return data_[p] | (data_[p + 1] << 8) | (data_[p + 2] << 16); }

    const std::vector<std::uint8_t>& data_;
    std::size_t maxDistance_;
    std::size_t maxLength_;
    std::unordered_map<std::uint32_t, std::vector<std::size_t>> positions_;
};

}  // namespace codectest
