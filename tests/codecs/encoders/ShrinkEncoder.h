// A Shrink encoder for tests: LZW that signals each growth of the code size
// and, once the table is full, a partial clear (when the code just sent is a
// single byte, so that the decoder's pending new code keeps a valid prefix).
#pragma once

#include <cstdint>
#include <vector>

namespace codectest {

struct ShrinkStats {
    int partialClears = 0;
    unsigned largestCodeBits = 9;
};

std::vector<std::uint8_t> Shrink(const std::vector<std::uint8_t>& data, ShrinkStats* stats = nullptr);

}  // namespace codectest
