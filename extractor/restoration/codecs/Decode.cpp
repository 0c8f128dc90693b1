#include "restoration/codecs/Decode.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "restoration/codecs/DataChecks.h"
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

constexpr std::size_t kStoredChunk = 1 << 20;  // stored data per read and write

void CopyStoredThrough(ByteSource& source, ByteSink& sink, std::uint64_t size, std::span<std::uint8_t> buffer) {
    while (size > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(size, buffer.size()));
        const std::size_t got = ReadSourceBeforeEnd(source, buffer.data(), want, DataKind::kStored);
        sink.Write(buffer.data(), got);
        size -= got;
    }
}

void DecodeItem(std::uint16_t method, std::uint16_t generalPurposeFlags, ByteSource& source, ByteSink& sink,
                std::uint64_t compressedSize, std::uint64_t uncompressedSize, InflateScratch* scratch,
                std::span<std::uint8_t> copyBuffer) {
    switch (method) {
    case kStored:
        Require(compressedSize == uncompressedSize, "stored item whose two sizes differ");
        if (copyBuffer.empty()) {
            CopyStored(source, sink, uncompressedSize);
        } else {
            CopyStoredThrough(source, sink, uncompressedSize, copyBuffer);
        }
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
    DecodeItem(method, generalPurposeFlags, source, sink, compressedSize, uncompressedSize, nullptr, {});
}

Decoder::Decoder() = default;
Decoder::~Decoder() = default;

void Decoder::Decode(std::uint16_t method, std::uint16_t generalPurposeFlags, ByteSource& source, ByteSink& sink,
                     std::uint64_t compressedSize, std::uint64_t uncompressedSize) {
    if (method == kDeflated && !inflateScratch_) inflateScratch_ = std::make_unique<InflateScratch>();
    if (method == kStored && !copyBuffer_) copyBuffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(kStoredChunk);
    const std::span<std::uint8_t> copyBuffer =
        copyBuffer_ ? std::span<std::uint8_t>(copyBuffer_.get(), kStoredChunk) : std::span<std::uint8_t>();
    DecodeItem(method, generalPurposeFlags, source, sink, compressedSize, uncompressedSize, inflateScratch_.get(),
               copyBuffer);
}

void Decoder::Release() {
    inflateScratch_.reset();
    copyBuffer_.reset();
}

void CopyStored(ByteSource& source, ByteSink& sink, std::uint64_t size) {
    constexpr std::size_t kChunk = 256 * 1024;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(size, kChunk)));
    CopyStoredThrough(source, sink, size, buffer);
}

}  // namespace codecs
