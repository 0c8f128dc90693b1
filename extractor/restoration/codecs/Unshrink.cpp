#include "restoration/codecs/Unshrink.h"

#include <cstring>
#include <memory>

#include "restoration/codecs/BitReader.h"
#include "restoration/codecs/OutputWindow.h"

namespace codecs {

namespace {

constexpr unsigned kMinCodeBits = 9;
constexpr unsigned kMaxCodeBits = 13;
constexpr unsigned kTableSize = 1u << kMaxCodeBits;
constexpr unsigned kControlCode = 256;
constexpr unsigned kFirstFreeCode = 257;
constexpr unsigned kGrowCodeSize = 1;
constexpr unsigned kPartialClear = 2;
constexpr unsigned kNoCode = kTableSize;
// A string is at most one byte per code plus its first byte; a longer walk means the codes form a cycle.
constexpr std::size_t kMaxString = kTableSize + 1;

class Unshrinker {
public:
    Unshrinker(ByteSource& source, ByteSink& sink, std::uint64_t size) : in_(source), out_(sink, 0, kMaxString, size) {
        for (unsigned code = 0; code < 256; ++code) {
            prefix_[code] = static_cast<std::uint16_t>(kNoCode);
            suffix_[code] = static_cast<std::uint8_t>(code);
            used_[code] = true;
        }
    }

    void Run() {
        unsigned codeBits = kMinCodeBits;
        unsigned previous = kNoCode;
        while (out_.Remaining() > 0) {
            unsigned code = in_.Bits(codeBits);
            if (code == kControlCode) {
                unsigned command = in_.Bits(codeBits);
                if (command == kGrowCodeSize && codeBits < kMaxCodeBits) {
                    ++codeBits;
                } else if (command == kPartialClear) {
                    PartialClear();
                } else {
                    ThrowDataError("compressed data: invalid control code");
                }
                continue;
            }

            std::size_t start;
            if (used_[code]) {
                start = Expand(code);
            } else {
                // The one code in use before it is defined: the previous string plus its own first byte.
                Require(previous != kNoCode && code == LowestFreeCode(), "compressed data: undefined code");
                start = Expand(previous, 1);
                string_[kMaxString - 1] = string_[start];
            }
            const std::size_t length = kMaxString - start;
            std::memcpy(out_.Reserve(length), string_.get() + start, length);
            out_.Commit(length);

            if (previous != kNoCode) AddCode(previous, string_[start]);
            previous = code;
        }
        out_.Flush();
    }

private:
    // Writes the string of code into string_, ending `reserve` bytes before its end; returns where it starts.
    std::size_t Expand(unsigned code, std::size_t reserve = 0) {
        std::size_t pos = kMaxString - reserve;
        while (code >= 256) {
            Require(pos > 1, "compressed data: codes refer to each other in a cycle");
            string_[--pos] = suffix_[code];
            code = prefix_[code];
        }
        string_[--pos] = static_cast<std::uint8_t>(code);
        return pos;
    }

    unsigned LowestFreeCode() {
        while (nextFree_ < kTableSize && used_[nextFree_]) ++nextFree_;
        return nextFree_;
    }

    void AddCode(unsigned prefix, std::uint8_t suffix) {
        unsigned code = LowestFreeCode();
        if (code == kTableSize) return;  // table full: the compressor decides when to clear it
        prefix_[code] = static_cast<std::uint16_t>(prefix);
        suffix_[code] = suffix;
        used_[code] = true;
        ++nextFree_;
    }

    // Frees every code that is no other code's prefix. Freed codes keep their
    // content until they are reused, so a string built on one just freed still reads as before.
    void PartialClear() {
        bool isPrefix[kTableSize] = {};
        for (unsigned code = kFirstFreeCode; code < kTableSize; ++code) {
            if (used_[code]) isPrefix[prefix_[code] % kTableSize] = true;
        }
        for (unsigned code = kFirstFreeCode; code < kTableSize; ++code) {
            if (!isPrefix[code]) used_[code] = false;
        }
        nextFree_ = kFirstFreeCode;
    }

    BitReader in_;
    OutputWindow out_;
    std::uint16_t prefix_[kTableSize] = {};
    std::uint8_t suffix_[kTableSize] = {};
    bool used_[kTableSize] = {};
    unsigned nextFree_ = kFirstFreeCode;
    std::unique_ptr<std::uint8_t[]> string_ = std::make_unique<std::uint8_t[]>(kMaxString);
};

}  // namespace

void Unshrink(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize) {
    if (uncompressedSize == 0) return;
    auto unshrinker = std::make_unique<Unshrinker>(source, sink, uncompressedSize);
    unshrinker->Run();
}

}  // namespace codecs
