// Deterministic data for the decoder tests and benchmarks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sampledata {

using Bytes = std::vector<std::uint8_t>;

// Random bytes.
Bytes RandomBytes(std::size_t size, std::uint32_t seed);

// Text with repeats, like source code and documents; a quarter of it random
// runs, like binaries.
Bytes TextLikeBytes(std::size_t size, std::uint32_t seed);

}  // namespace sampledata
