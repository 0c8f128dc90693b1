#include "encoders/ShrinkEncoder.h"

#include <map>
#include <memory>
#include <utility>

#include "encoders/BitWriter.h"

namespace codectest {

namespace {

constexpr unsigned kTableSize = 8192;

class Shrinker {
public:
    explicit Shrinker(ShrinkStats& stats) : stats_(stats) {
        for (unsigned c = 0; c < 256; ++c) used_[c] = true;
    }

    std::vector<std::uint8_t> Run(const std::vector<std::uint8_t>& data) {
        if (data.empty()) return {};
        unsigned current = data[0];
        for (std::size_t i = 1; i < data.size(); ++i) {
            const std::uint8_t next = data[i];
            auto found = codes_.find({current, next});
            if (found != codes_.end()) {
                current = found->second;
                continue;
            }
            Emit(current);
            if (LowestFree() == kTableSize && current < 256) {
                Emit(256);
                Emit(2);
                PartialClear();
                ++stats_.partialClears;
            }
            Add(current, next);
            current = next;
        }
        Emit(current);
        return bits_.bytes();
    }

private:
    void Emit(unsigned code) {
        while (code != 256 && code >= (1u << codeBits_)) {
            bits_.Put(256, codeBits_);
            bits_.Put(1, codeBits_);
            ++codeBits_;
            stats_.largestCodeBits = codeBits_;
        }
        bits_.Put(code, codeBits_);
    }

    unsigned LowestFree() {
        while (nextFree_ < kTableSize && used_[nextFree_]) ++nextFree_;
        return nextFree_;
    }

    void Add(unsigned prefix, std::uint8_t byte) {
        unsigned code = LowestFree();
        if (code == kTableSize) return;
        prefix_[code] = prefix;
        byte_[code] = byte;
        used_[code] = true;
        codes_[{prefix, byte}] = code;
    }

    void PartialClear() {
        bool isPrefix[kTableSize] = {};
        for (unsigned c = 257; c < kTableSize; ++c)
            if (used_[c]) isPrefix[prefix_[c]] = true;
        for (unsigned c = 257; c < kTableSize; ++c) {
            if (used_[c] && !isPrefix[c]) {
                used_[c] = false;
                codes_.erase({prefix_[c], byte_[c]});
            }
        }
        nextFree_ = 257;
    }

    ShrinkStats& stats_;
    BitWriter bits_;
    unsigned codeBits_ = 9;
    bool used_[kTableSize] = {};
    unsigned prefix_[kTableSize] = {};
    std::uint8_t byte_[kTableSize] = {};
    unsigned nextFree_ = 257;
    std::map<std::pair<unsigned, std::uint8_t>, unsigned> codes_;
};

}  // namespace

std::vector<std::uint8_t> Shrink(const std::vector<std::uint8_t>& data, ShrinkStats* stats) {
    ShrinkStats local;
    auto shrinker = std::make_unique<Shrinker>(stats ? *stats : local);
    return shrinker->Run(data);
}

}  // namespace codectest
