#include "restoration/codecs/Decode.h"

#include <algorithm>
#include <string>
#include <vector>

#include "restoration/codecs/Explode.h"
#include "restoration/codecs/Inflate.h"
#include "restoration/codecs/Inflate64.h"
#include "restoration/codecs/Unreduce.h"
#include "restoration/codecs/Unshrink.h"

namespace codecs {

bool IsSupportedMethod(std::uint16_t method) {
    switch (method) {
    case kStored:
    case kShrunk:
    case kReducedFactor1:
    case kReducedFactor2:
    case kReducedFactor3:
    case kReducedFactor4:
    case kImploded:
    case kDeflated:
    case kDeflate64: return true;
    default: return false;
    }
}

namespace {

void DecodeItem(std::uint16_t method, std::uint16_t generalPurposeFlags, ByteSource& source, ByteSink& sink,
                std::uint64_t compressedSize, std::uint64_t uncompressedSize, InflateScratch* scratch) {
    switch (method) {
    case kStored:
        if (compressedSize != uncompressedSize) throw DataError("stored item whose two sizes differ");
        CopyStored(source, sink, uncompressedSize);
        return;
    case kShrunk: Unshrink(source, sink, uncompressedSize); return;
    case kReducedFactor1:
    case kReducedFactor2:
    case kReducedFactor3:
    case kReducedFactor4: Unreduce(source, sink, uncompressedSize, method - kReducedFactor1 + 1); return;
    case kImploded: Explode(source, sink, uncompressedSize, generalPurposeFlags); return;
    case kDeflated: Inflate(source, sink, compressedSize, uncompressedSize, scratch); return;
    case kDeflate64: Inflate64(source, sink, uncompressedSize); return;
    default: throw UnsupportedMethod("compression method " + std::to_string(method) + " is not supported");
    }
}

}  // namespace

void Decode(std::uint16_t method, std::uint16_t generalPurposeFlags, ByteSource& source, ByteSink& sink,
            std::uint64_t compressedSize, std::uint64_t uncompressedSize) {
    DecodeItem(method, generalPurposeFlags, source, sink, compressedSize, uncompressedSize, nullptr);
}

Decoder::Decoder() = default;
Decoder::~Decoder() = default;

void Decoder::Decode(std::uint16_t method, std::uint16_t generalPurposeFlags, ByteSource& source, ByteSink& sink,
                     std::uint64_t compressedSize, std::uint64_t uncompressedSize) {
    if (method == kDeflated && !inflateScratch_) inflateScratch_ = std::make_unique<InflateScratch>();
    DecodeItem(method, generalPurposeFlags, source, sink, compressedSize, uncompressedSize, inflateScratch_.get());
}

void Decoder::Release() { inflateScratch_.reset(); }

void CopyStored(ByteSource& source, ByteSink& sink, std::uint64_t size) {
    constexpr std::size_t kChunk = 256 * 1024;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(size, kChunk)));
    while (size > 0) {
        std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(size, buffer.size()));
        std::size_t got = source.Read(buffer.data(), want);
        if (got == 0) throw DataError("stored data ends early");
        if (got > want) throw DataError("stored data: the source reported more bytes than asked for");
        sink.Write(buffer.data(), got);
        size -= got;
    }
}

}  // namespace codecs
