// Deflate (method 8).
//
// Items small enough are decompressed in one piece, which is much faster;
// larger ones are decompressed as a stream with a 32 KiB window. The one-piece
// path holds the whole compressed and decompressed item in memory, so it is
// taken only when both sizes are at most kInflateWholeBufferLimit.
// Size and end rules: see Decode.h.
#pragma once

#include <cstdint>

#include "restoration/codecs/Streams.h"

namespace codecs {

inline constexpr std::uint64_t kInflateWholeBufferLimit = 4u << 20;

// Picks the path by the sizes; compressedSize is the size of the data the source delivers.
void Inflate(ByteSource& source, ByteSink& sink, std::uint64_t compressedSize, std::uint64_t uncompressedSize);

// The two paths, callable directly (tests, benchmarks). InflateWholeBuffer
// allocates both sizes and must not be given untrusted sizes above the limit.
void InflateWholeBuffer(ByteSource& source, ByteSink& sink, std::uint64_t compressedSize,
                        std::uint64_t uncompressedSize);
void InflateStreaming(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize);

}  // namespace codecs
