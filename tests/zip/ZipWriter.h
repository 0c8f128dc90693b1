// A small ZIP writer for tests: builds archives with exactly the features a
// test needs (methods, data descriptors, ZIP64, comments, damaged fields).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ziptest {

inline constexpr std::uint16_t kHostFat = 0;
inline constexpr std::uint16_t kHostUnix = 3;

struct Entry {
    std::string name;
    std::string data;                       // the uncompressed content
    std::uint16_t method = 0;               // 0 stored, 8 Deflate (made with zlib); others need `compressed`
    std::optional<std::string> compressed;  // the bytes to store as compressed data, as they are
    std::optional<std::uint64_t> uncompressedSize;  // declared size when data is not given (huge items)
    std::optional<std::uint32_t> crc;       // the CRC-32 to record (default: of data)
    std::uint16_t flags = 0;
    std::uint16_t versionNeeded = 20;
    std::uint16_t host = kHostFat;
    std::uint32_t externalAttributes = 0;
    std::uint16_t dosDate = (44 << 9) | (6 << 5) | 15;  // 2024-06-15
    std::uint16_t dosTime = (13 << 11) | (45 << 5) | 10;  // 13:45:20
    bool dataDescriptor = false;  // zeros in the local header, sizes after the data
    bool zip64 = false;           // ZIP64 extra fields even when the values fit
    std::string centralExtra;     // more extra fields for the central directory entry
    std::uint64_t gapBefore = 0;  // unused bytes before the local header (a hole in files)
};

class ZipWriter {
public:
    ZipWriter& Add(Entry entry);
    ZipWriter& Add(std::string name, std::string data, std::uint16_t method = 0);

    std::string comment;
    bool zip64End = false;                         // write ZIP64 end records even when not needed
    std::optional<std::uint16_t> recordedCount;    // a wrong count in the end record
    std::string prefix;                            // bytes before the archive (a self-extractor's stub)

    // The archive in memory (gaps filled with zeros).
    std::string Bytes() const;
    // The archive as a file; gaps are left as holes (sparse where the file system allows).
    void WriteTo(const std::filesystem::path& file) const;

private:
    struct Piece {
        std::string bytes;
        std::uint64_t gap = 0;  // zeros before the bytes
    };
    std::vector<Piece> Build() const;
    std::vector<Entry> entries_;
};

// Raw Deflate data of the bytes (zlib, best compression).
std::string Deflate(std::string_view data);
// Raw Deflate data of count MiB of zero bytes, built without compressing them all.
std::string DeflateZeroMebibytes(std::uint64_t count);
std::uint32_t Crc32(std::string_view data);
// The CRC-32 of count MiB of zero bytes.
std::uint32_t CrcOfZeroMebibytes(std::uint64_t count);

}  // namespace ziptest
