// Shrink (method 1): LZW with codes of 9 to 13 bits, grown only on the
// compressor's signal (256 then 1), and partial clearing (256 then 2) that
// frees every code no other code extends; freed codes are reused lowest first.
// Memory is a fixed table of 8192 codes. Size and end rules: see Decode.h.
#pragma once

#include <cstdint>

#include "restoration/codecs/Streams.h"

namespace codecs {

void Unshrink(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize);

}  // namespace codecs
