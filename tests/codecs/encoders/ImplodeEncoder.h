// An Implode encoder for tests: greedy matches and fixed Shannon-Fano trees
// (uneven code lengths, so that code assignment matters).
#pragma once

#include <cstdint>
#include <vector>

namespace codectest {

// flags: general purpose bit 1 (8 KiB window) and bit 2 (literal tree), as the decoder takes them.
std::vector<std::uint8_t> Implode(const std::vector<std::uint8_t>& data, std::uint16_t flags);

// Shannon-Fano codes for the lengths, assigned as Implode does (first bit most significant).
std::vector<std::uint16_t> ShannonFanoCodes(const std::vector<std::uint8_t>& lengths);

}  // namespace codectest
