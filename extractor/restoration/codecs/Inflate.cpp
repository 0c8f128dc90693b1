#include "restoration/codecs/Inflate.h"

#include <libdeflate.h>
#include <zlib.h>

#include "restoration/codecs/Crc32.h"
#include "restoration/codecs/DataChecks.h"

#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

namespace codecs {

namespace {

constexpr std::size_t kInputChunk = 64 * 1024;
constexpr std::size_t kOutputChunk = 256 * 1024;

// Reads until size bytes are in or the source ends; returns the count.
std::size_t ReadFully(ByteSource& source, std::uint8_t* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const std::size_t got = ReadSource(source, buffer + done, size - done);
        if (got == 0) break;
        done += got;
    }
    return done;
}

struct DecompressorDeleter {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

// A buffer that only grows; its bytes are not cleared (every use fills them first).
class GrowingBuffer {
public:
    std::uint8_t* Get(std::size_t size) {
        if (size > capacity_) {
            data_.reset();
            data_ = std::make_unique_for_overwrite<std::uint8_t[]>(size);
            capacity_ = size;
        }
        return data_.get();
    }

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t capacity_ = 0;
};

class ZStream {
public:
    ZStream() {
        if (inflateInit2(&stream_, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
    }
    ~ZStream() { inflateEnd(&stream_); }
    ZStream(const ZStream&) = delete;
    ZStream& operator=(const ZStream&) = delete;
    z_stream* operator->() { return &stream_; }
    z_stream* get() { return &stream_; }

private:
    z_stream stream_{};
};

}  // namespace

struct InflateScratch::Buffers {
    GrowingBuffer memory;  // the compressed data, then room for the output: one block keeps the two within the budget
    std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> decompressor;
};

InflateScratch::InflateScratch() : buffers_(std::make_unique<Buffers>()) {}
InflateScratch::~InflateScratch() = default;

bool FitsWholeBufferBudget(std::uint64_t compressedSize, std::uint64_t uncompressedSize) {
    return compressedSize <= kInflateWholeBufferBudget && uncompressedSize <= kInflateWholeBufferBudget &&
           compressedSize + uncompressedSize <= kInflateWholeBufferBudget;
}

void InflateWholeBuffer(ByteSource& source, ByteSink& sink, std::uint64_t compressedSize,
                        std::uint64_t uncompressedSize, InflateScratch* scratch) {
    if (!FitsWholeBufferBudget(compressedSize, uncompressedSize))
        throw std::invalid_argument("InflateWholeBuffer: sizes beyond the memory budget");
    std::unique_ptr<InflateScratch> local;
    if (!scratch) scratch = (local = std::make_unique<InflateScratch>()).get();
    InflateScratch::Buffers& buffers = scratch->buffers();
    // One spare output byte, so that a stream giving more than declared is told apart from one giving exactly that.
    const std::size_t outputSize = static_cast<std::size_t>(uncompressedSize) + 1;
    std::uint8_t* input = buffers.memory.Get(static_cast<std::size_t>(compressedSize) + outputSize);
    std::uint8_t* output = input + compressedSize;
    const std::size_t inputSize = ReadFully(source, input, static_cast<std::size_t>(compressedSize));
    if (inputSize == 0) {
        if (uncompressedSize == 0) return;
        ThrowTruncated();
    }

    if (!buffers.decompressor) {
        buffers.decompressor.reset(libdeflate_alloc_decompressor());
        if (!buffers.decompressor) throw std::bad_alloc();
    }
    std::size_t produced = 0;
    switch (libdeflate_deflate_decompress(buffers.decompressor.get(), input, inputSize, output, outputSize,
                                          &produced)) {
    case LIBDEFLATE_SUCCESS: break;
    case LIBDEFLATE_INSUFFICIENT_SPACE: ThrowTooLong();
    default:
        if (inputSize < compressedSize) ThrowTruncated();
        ThrowInvalidData();
    }
    CheckNotTooLong(produced, uncompressedSize);
    CheckNoneMissing(uncompressedSize - produced);
    if (produced > 0) sink.Write(output, produced);
}

void InflateStreaming(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize) {
    std::vector<std::uint8_t> input(kInputChunk);
    std::vector<std::uint8_t> output(kOutputChunk);
    ZStream stream;
    std::uint64_t remaining = uncompressedSize;
    bool sourceEnded = false;
    bool started = false;
    for (;;) {
        if (stream->avail_in == 0 && !sourceEnded) {
            const std::size_t got = ReadSource(source, input.data(), input.size());
            if (got == 0) {
                sourceEnded = true;
                if (!started && uncompressedSize == 0) return;  // an empty item stored without a stream
            }
            started = true;
            stream->next_in = input.data();
            stream->avail_in = static_cast<uInt>(got);
        }
        stream->next_out = output.data();
        stream->avail_out = static_cast<uInt>(output.size());
        int result = inflate(stream.get(), Z_NO_FLUSH);
        std::size_t produced = output.size() - stream->avail_out;
        CheckNotTooLong(produced, remaining);
        if (produced > 0) {
            sink.Write(output.data(), produced);
            remaining -= produced;
        }
        switch (result) {
        case Z_STREAM_END:
            CheckNoneMissing(remaining);
            return;
        case Z_OK: break;
        case Z_BUF_ERROR:  // no progress possible: more input is needed
            if (sourceEnded) ThrowTruncated();
            break;
        case Z_MEM_ERROR: throw std::bad_alloc();
        default: ThrowInvalidData(stream->msg);
        }
        if (sourceEnded && stream->avail_in == 0 && produced == 0) ThrowTruncated();
    }
}

void Inflate(ByteSource& source, ByteSink& sink, std::uint64_t compressedSize, std::uint64_t uncompressedSize,
             InflateScratch* scratch) {
    if (FitsWholeBufferBudget(compressedSize, uncompressedSize))
        InflateWholeBuffer(source, sink, compressedSize, uncompressedSize, scratch);
    else
        InflateStreaming(source, sink, uncompressedSize);
}

std::optional<DeflateExtent> MeasureDeflate(ByteSource& source) {
    // zlib stops at the end of the final block: total_in counts exactly the
    // stream's bytes, however much more input it was handed.
    std::vector<std::uint8_t> input(kInputChunk);
    std::vector<std::uint8_t> output(kOutputChunk);
    ZStream stream;
    DeflateExtent extent;
    std::size_t held = 0;  // bytes of input not yet given to zlib
    std::size_t next = 0;
    for (;;) {
        if (next == held) {
            held = source.Read(input.data(), input.size());
            next = 0;
            if (held == 0 || held > input.size()) return std::nullopt;
        }
        stream->next_in = input.data() + next;
        stream->avail_in = static_cast<uInt>(held - next);
        stream->next_out = output.data();
        stream->avail_out = static_cast<uInt>(output.size());
        const int result = inflate(stream.get(), Z_NO_FLUSH);
        const std::size_t produced = output.size() - stream->avail_out;
        extent.crc32 = Crc32(extent.crc32, output.data(), produced);
        extent.uncompressedSize += produced;
        next = held - stream->avail_in;
        if (result == Z_STREAM_END) {
            extent.compressedSize = stream->total_in;
            return extent;
        }
        if (result == Z_MEM_ERROR) throw std::bad_alloc();
        const bool wantsInput = result == Z_BUF_ERROR && next == held;
        if (result != Z_OK && !wantsInput) return std::nullopt;
    }
}

}  // namespace codecs
