// Fuzz target for the decoders. Input: one byte choosing the method, Implode's
// flags and the read size; three bytes of declared size (up to 1 MiB); then
// the compressed data. A decoder must end in a DataError or in exactly the
// declared bytes, never write more. Deflate also runs both of its paths,
// which must agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "restoration/codecs/Crc32.h"
#include "restoration/codecs/Decode.h"
#include "restoration/codecs/Inflate.h"

namespace {

class Source : public codecs::ByteSource {
public:
    Source(const std::uint8_t* data, std::size_t size, std::size_t piece) : data_(data), size_(size), piece_(piece) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t size) override {
        std::size_t n = size < piece_ ? size : piece_;
        if (n > size_ - pos_) n = size_ - pos_;
        for (std::size_t i = 0; i < n; ++i) buffer[i] = data_[pos_ + i];
        pos_ += n;
        return n;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t piece_;
    std::size_t pos_ = 0;
};

class Sink : public codecs::ByteSink {
public:
    explicit Sink(std::uint64_t limit) : limit_(limit) {}
    void Write(const std::uint8_t* data, std::size_t size) override {
        if (size > limit_ - written) std::abort();  // more than declared
        crc = codecs::Crc32(crc, data, size);
        written += size;
    }
    std::uint64_t written = 0;
    std::uint32_t crc = 0;

private:
    std::uint64_t limit_;
};

constexpr std::uint16_t kMethods[] = {codecs::kStored,         codecs::kShrunk,         codecs::kReducedFactor1,
                                      codecs::kReducedFactor2, codecs::kReducedFactor3, codecs::kReducedFactor4,
                                      codecs::kImploded,       codecs::kDeflated,       codecs::kDeflate64};
constexpr std::size_t kPieces[] = {SIZE_MAX, 1, 7, 4096};

// The CRC of the output, or nothing after a DataError.
template <typename Run>
std::optional<std::uint32_t> Attempt(std::uint64_t declared, Run run) {
    Sink sink(declared);
    try {
        run(sink);
    } catch (const codecs::DataError&) {
        return std::nullopt;
    }
    if (sink.written != declared) std::abort();
    return sink.crc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::uint16_t method = kMethods[(data[0] & 0x0F) % std::size(kMethods)];
    const std::uint16_t flags = static_cast<std::uint16_t>((data[0] >> 3) & 0x06);  // Implode's bits 1 and 2
    const std::size_t piece = kPieces[data[0] >> 6];
    const std::uint64_t declared = data[1] | (data[2] << 8) | ((data[3] & 0x0F) << 16);
    const std::uint8_t* compressed = data + 4;
    const std::size_t compressedSize = size - 4;

    const std::uint64_t stated = method == codecs::kStored ? declared : compressedSize;
    auto viaDecode = Attempt(declared, [&](Sink& sink) {
        Source source(compressed, compressedSize, piece);
        codecs::Decode(method, flags, source, sink, stated, declared);
    });

    if (method == codecs::kDeflated) {
        auto whole = Attempt(declared, [&](Sink& sink) {
            Source source(compressed, compressedSize, piece);
            codecs::InflateWholeBuffer(source, sink, compressedSize, declared);
        });
        auto streaming = Attempt(declared, [&](Sink& sink) {
            Source source(compressed, compressedSize, piece);
            codecs::InflateStreaming(source, sink, declared);
        });
        if (whole != streaming || whole != viaDecode) std::abort();  // the two paths disagree
    }
    return 0;
}
