// Raw Deflate streams made by the reference encoder the tests decode against.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <vector>

namespace sampledata {

// Compresses data into a raw Deflate stream (no header); throws
// std::runtime_error when the encoder reports a failure.
std::vector<std::uint8_t> ZlibDeflate(const std::vector<std::uint8_t>& data, int level = 6,
                                      int strategy = Z_DEFAULT_STRATEGY);

}  // namespace sampledata
