// Deflate (method 8).
//
// An item whose compressed and decompressed data fit together in
// kInflateWholeBufferBudget is decompressed in one piece, which is two to
// three times faster; larger ones are decompressed as a stream with a 32 KiB
// window and about 400 KiB of buffers. Size and end rules: see Decode.h.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "restoration/codecs/Streams.h"

namespace codecs {

inline constexpr std::uint64_t kInflateWholeBufferBudget = 8u << 20;

// True when Inflate takes the one-piece path for these sizes.
bool FitsWholeBufferBudget(std::uint64_t compressedSize, std::uint64_t uncompressedSize);

// Buffers of the one-piece path, kept from one item to the next by a caller
// that decodes many (at most kInflateWholeBufferBudget in all).
class InflateScratch {
public:
    InflateScratch();
    ~InflateScratch();
    InflateScratch(const InflateScratch&) = delete;
    InflateScratch& operator=(const InflateScratch&) = delete;

    struct Buffers;
    Buffers& buffers() { return *buffers_; }

private:
    std::unique_ptr<Buffers> buffers_;
};

// Picks the path by the sizes; compressedSize is the size of the data the source delivers.
void Inflate(ByteSource& source, ByteSink& sink, std::uint64_t compressedSize, std::uint64_t uncompressedSize,
             InflateScratch* scratch = nullptr);

// The two paths, callable directly (tests, benchmarks). InflateWholeBuffer
// holds both sizes in memory and refuses (std::invalid_argument) sizes for
// which FitsWholeBufferBudget is false.
void InflateWholeBuffer(ByteSource& source, ByteSink& sink, std::uint64_t compressedSize,
                        std::uint64_t uncompressedSize, InflateScratch* scratch = nullptr);
void InflateStreaming(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize);

// Where a Deflate stream of unknown sizes ends: decodes it to its final block,
// reading no byte after it, and counts both sides. Nothing when the data is
// damaged or ends before the final block.
struct DeflateExtent {
    std::uint64_t compressedSize = 0;
    std::uint64_t uncompressedSize = 0;
    std::uint32_t crc32 = 0;
};
std::optional<DeflateExtent> MeasureDeflate(ByteSource& source);

}  // namespace codecs
