// Decoding an item's data by its ZIP compression method.
//
// Rules shared by every decoder (and by CopyStored):
// - Exactly uncompressedSize bytes reach the sink, or a DataError is thrown.
//   No byte beyond the declared size is ever passed to the sink.
// - Deflate and Deflate64 streams carry their own end: the final block must
//   end exactly at the declared size. More output, a final block that ends
//   short, or compressed data that ends before the final block is complete is
//   a DataError. Bytes after the final block are not read.
// - Shrink, Reduce and Implode streams have no end marker: decoding stops at
//   the declared size. A string or match that would reach beyond it, or
//   compressed data that ends before it, is a DataError. Unused bits after the
//   last code are ignored; with a declared size too large they may decode to
//   a few bytes more before the data ends, which only the CRC can tell.
// - A declared size of 0 needs no compressed data (an empty Deflate stream is
//   accepted too); whatever data there is must decode to nothing.
// - Memory stays bounded whatever the sizes: see each decoder's header.
// Exceptions from the streams pass through unchanged; the decoders hold their
// resources in RAII objects only.
#pragma once

#include <cstdint>
#include <memory>

#include "restoration/codecs/Streams.h"

namespace codecs {

class InflateScratch;

enum Method : std::uint16_t {
    kStored = 0,
    kShrunk = 1,
    kReducedFactor1 = 2,
    kReducedFactor2 = 3,
    kReducedFactor3 = 4,
    kReducedFactor4 = 5,
    kImploded = 6,
    kDeflated = 8,
    kDeflate64 = 9,
};

// True for the methods Decode reads: stored, Shrink, Reduce 1-4, Implode, Deflate, Deflate64.
bool IsSupportedMethod(std::uint16_t method);

// Decodes one item. generalPurposeFlags matters for Implode only (bits 1 and 2).
// Throws UnsupportedMethod for methods IsSupportedMethod rejects.
void Decode(std::uint16_t method, std::uint16_t generalPurposeFlags, ByteSource& source, ByteSink& sink,
            std::uint64_t compressedSize, std::uint64_t uncompressedSize);

// Decodes items one after another and keeps the buffers of Deflate's fast
// path and of stored data between them (at most kInflateWholeBufferBudget, see Inflate.h), which
// saves allocating and touching fresh memory per item. Not for concurrent use.
class Decoder {
public:
    Decoder();
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // As the free function Decode.
    void Decode(std::uint16_t method, std::uint16_t generalPurposeFlags, ByteSource& source, ByteSink& sink,
                std::uint64_t compressedSize, std::uint64_t uncompressedSize);
    // Gives the kept buffers back.
    void Release();

private:
    std::unique_ptr<InflateScratch> inflateScratch_;
    std::unique_ptr<std::uint8_t[]> copyBuffer_;  // stored data, kept between items
};

// Stored data: copies size bytes. The caller passes the same number as both
// sizes; Decode throws a DataError when a stored item's two sizes differ.
void CopyStored(ByteSource& source, ByteSink& sink, std::uint64_t size);

}  // namespace codecs
