// Reduce (methods 2 to 5, compression factors 1 to 4): follower-set coding of
// an intermediate byte stream in which byte 144 introduces a back-reference
// of up to 4 KiB. Bytes before the start of the output read as zeros.
// Size and end rules: see Decode.h.
#pragma once

#include <cstdint>

#include "restoration/codecs/Streams.h"

namespace codecs {

// factor is 1 to 4 (the method number minus 1).
void Unreduce(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize, int factor);

}  // namespace codecs
