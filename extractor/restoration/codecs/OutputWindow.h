// Decoded output together with the history that back-references copy from,
// shared by the decoders of our own. The buffer holds windowSize bytes of
// history (zeros at first) followed by new output; when it is full, the new
// output goes to the sink and the last windowSize bytes move to the front.
// It refuses, with a DataError, to produce more than the declared size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "restoration/codecs/DataChecks.h"
#include "restoration/codecs/Streams.h"

namespace codecs {

class OutputWindow {
public:
    // maxAppend: the largest Copy length or Append size the decoder uses.
    OutputWindow(ByteSink& sink, std::size_t windowSize, std::size_t maxAppend, std::uint64_t declaredSize);
    OutputWindow(const OutputWindow&) = delete;
    OutputWindow& operator=(const OutputWindow&) = delete;

    std::uint64_t Produced() const { return declaredSize_ - remaining_; }
    std::uint64_t Remaining() const { return remaining_; }

    void Put(std::uint8_t byte) {
        CheckNotTooLong(1, remaining_);
        if (pos_ == buffer_.size()) Slide();
        buffer_[pos_++] = byte;
        --remaining_;
    }

    // Copies length bytes from distance bytes back (1 <= distance <= windowSize,
    // length <= maxAppend); the source may overlap the bytes being written.
    void Copy(std::size_t distance, std::size_t length) {
        CheckNotTooLong(length, remaining_);
        Require(distance != 0 && distance <= windowSize_, "compressed data: distance out of range");
        if (buffer_.size() - pos_ < length) Slide();
        std::uint8_t* out = buffer_.data() + pos_;
        const std::uint8_t* from = out - distance;
        if (distance >= length) {
            std::memcpy(out, from, length);
        } else {
            for (std::size_t i = 0; i < length; ++i) out[i] = from[i];
        }
        pos_ += length;
        remaining_ -= length;
    }

    // Room for size (<= maxAppend) new bytes at the end of the output; Commit(size) keeps them.
    std::uint8_t* Reserve(std::size_t size) {
        CheckNotTooLong(size, remaining_);
        if (buffer_.size() - pos_ < size) Slide();
        return buffer_.data() + pos_;
    }
    void Commit(std::size_t size) {
        pos_ += size;
        remaining_ -= size;
    }

    // The byte distance back (1 <= distance <= windowSize).
    std::uint8_t At(std::size_t distance) const { return buffer_[pos_ - distance]; }

    // Passes everything not yet written to the sink.
    void Flush();

private:
    void Slide();

    ByteSink& sink_;
    std::size_t windowSize_;
    std::vector<std::uint8_t> buffer_;
    std::size_t pos_;      // end of the output in buffer_
    std::size_t flushed_;  // output before this has been written to the sink
    std::uint64_t declaredSize_;
    std::uint64_t remaining_;
};

}  // namespace codecs
