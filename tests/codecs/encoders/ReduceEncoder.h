// A plain Reduce encoder for tests: greedy back-references, then follower
// sets of the most frequent followers of each byte (at most maxFollowers).
#pragma once

#include <cstdint>
#include <vector>

namespace codectest {

std::vector<std::uint8_t> Reduce(const std::vector<std::uint8_t>& data, int factor, unsigned maxFollowers = 32);

}  // namespace codectest
