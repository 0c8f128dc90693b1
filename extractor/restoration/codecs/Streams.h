// The byte streams every decoder works on, and the error it raises for bad data.
//
// A decoder pulls an item's compressed bytes from a ByteSource and pushes the
// decompressed bytes into a ByteSink. Progress reports, cancellation and CRC
// checks belong to the caller, who wraps these streams: an exception thrown by
// Read or Write leaves the decoder unchanged and reaches the caller as is.
// The decoders read and raise DataError through the checks of DataChecks.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace codecs {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes of the item's compressed data into buffer and
    // returns how many were read; returns 0 only at the end of the data.
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t size) = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Takes size decompressed bytes. A decoder never passes more bytes in
    // total than the item's declared uncompressed size.
    virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
};

// The compressed data is damaged or does not match the declared sizes.
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The item uses a compression method (or a variant of one) that no decoder here reads.
class UnsupportedMethod : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace codecs
