// Streams over memory, a walker over an archive's local headers and data
// makers for the decoder tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "SampleData.h"
#include "restoration/codecs/Streams.h"

namespace codectest {

using Bytes = std::vector<std::uint8_t>;

// Hands out its bytes in pieces of at most `piece` bytes, so that decoders meet buffer boundaries everywhere.
class MemorySource : public codecs::ByteSource {
public:
    explicit MemorySource(const Bytes& data, std::size_t piece = SIZE_MAX) : data_(data), piece_(piece) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t size) override;
    std::size_t consumed() const { return pos_; }

private:
    const Bytes& data_;
    std::size_t piece_;
    std::size_t pos_ = 0;
};

class MemorySink : public codecs::ByteSink {
public:
    void Write(const std::uint8_t* data, std::size_t size) override { bytes.insert(bytes.end(), data, data + size); }
    Bytes bytes;
};

// Runs codecs::Decode over compressed data held in memory.
Bytes Decode(std::uint16_t method, std::uint16_t flags, const Bytes& compressed, std::uint64_t size,
             std::size_t piece = SIZE_MAX);

// One item as its local header describes it (no data descriptors): enough to reach test archives' data.
struct LocalItem {
    std::string name;
    std::uint16_t method = 0;
    std::uint16_t flags = 0;
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
    Bytes data;
};
std::vector<LocalItem> ReadLocalItems(const Bytes& archive);

Bytes ReadFile(const std::filesystem::path& path);
Bytes ToBytes(const std::string& text);
std::uint32_t Crc32Of(const Bytes& data);

// Deterministic data: random bytes, and text-like bytes with many repeats.
using sampledata::RandomBytes;
using sampledata::TextLikeBytes;

}  // namespace codectest
