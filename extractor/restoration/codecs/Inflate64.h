// Deflate64 (method 9): Deflate with a 64 KiB window, length code 285 meaning
// base 3 with 16 extra bits, and distance codes 30 and 31 (base 32769 and
// 49153, 14 extra bits each). Streaming; memory is about 300 KiB whatever the
// item's size. Size and end rules: see Decode.h.
#pragma once

#include <cstdint>

#include "restoration/codecs/Streams.h"

namespace codecs {

void Inflate64(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize);

}  // namespace codecs
