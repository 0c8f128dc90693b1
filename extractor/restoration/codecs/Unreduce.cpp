#include "restoration/codecs/Unreduce.h"

#include <memory>
#include <stdexcept>

#include "restoration/codecs/BitReader.h"
#include "restoration/codecs/OutputWindow.h"

namespace codecs {

namespace {

constexpr std::uint8_t kEscape = 144;  // introduces a back-reference (or, followed by 0, stands for itself)
constexpr unsigned kMaxFollowers = 32;
constexpr std::size_t kWindowSize = 4096;
constexpr std::size_t kMaxMatch = 127 + 255 + 3;

// Bits of an index into a follower set of n bytes (1 bit even for a single follower).
unsigned IndexBits(unsigned n) {
    unsigned bits = 1;
    while ((1u << bits) < n) ++bits;
    return bits;
}

class Unreducer {
public:
    Unreducer(ByteSource& source, ByteSink& sink, std::uint64_t size, int factor)
        : in_(source), out_(sink, kWindowSize, kMaxMatch, size), factor_(static_cast<unsigned>(factor)) {}

    void Run() {
        ReadFollowerSets();
        const unsigned lengthMask = 0xFFu >> factor_;
        while (out_.Remaining() > 0) {
            std::uint8_t byte = NextByte();
            if (byte != kEscape) {
                out_.Put(byte);
                continue;
            }
            std::uint8_t value = NextByte();
            if (value == 0) {
                out_.Put(kEscape);
                continue;
            }
            std::size_t length = value & lengthMask;
            if (length == lengthMask) length += NextByte();
            std::size_t distance = ((std::size_t{value} >> (8 - factor_)) << 8) + NextByte() + 1;
            out_.Copy(distance, length + 3);
        }
        out_.Flush();
    }

private:
    // Follower sets, from byte 255 down to byte 0: a 6-bit count, then that many bytes.
    void ReadFollowerSets() {
        for (int byte = 255; byte >= 0; --byte) {
            unsigned count = in_.Bits(6);
            Require(count <= kMaxFollowers, "compressed data: follower set too large");
            followerCount_[byte] = static_cast<std::uint8_t>(count);
            indexBits_[byte] = static_cast<std::uint8_t>(IndexBits(count));
            for (unsigned i = 0; i < count; ++i) followers_[byte][i] = static_cast<std::uint8_t>(in_.Bits(8));
        }
    }

    // The next byte of the intermediate stream, coded by the follower set of the byte before it.
    std::uint8_t NextByte() {
        const unsigned count = followerCount_[last_];
        if (count == 0 || in_.Bits(1) != 0) {
            last_ = static_cast<std::uint8_t>(in_.Bits(8));
        } else {
            unsigned index = in_.Bits(indexBits_[last_]);
            Require(index < count, "compressed data: follower index out of range");
            last_ = followers_[last_][index];
        }
        return last_;
    }

    BitReader in_;
    OutputWindow out_;
    unsigned factor_;
    std::uint8_t last_ = 0;
    std::uint8_t followers_[256][kMaxFollowers] = {};
    std::uint8_t followerCount_[256] = {};
    std::uint8_t indexBits_[256] = {};
};

}  // namespace

void Unreduce(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize, int factor) {
    if (factor < 1 || factor > 4) throw std::invalid_argument("Unreduce: the factor must be 1 to 4");
    if (uncompressedSize == 0) return;
    auto unreducer = std::make_unique<Unreducer>(source, sink, uncompressedSize, factor);
    unreducer->Run();
}

}  // namespace codecs
