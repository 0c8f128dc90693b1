// What the central directory says about one item, with ZIP64 values applied.
#pragma once

#include <cstdint>

namespace zip {

// General purpose flag bits that matter when reading.
inline constexpr std::uint16_t kFlagEncrypted = 1u << 0;
inline constexpr std::uint16_t kFlagDataDescriptor = 1u << 3;
inline constexpr std::uint16_t kFlagPatchData = 1u << 5;
inline constexpr std::uint16_t kFlagStrongEncryption = 1u << 6;
inline constexpr std::uint16_t kFlagUtf8 = 1u << 11;

// Host systems in the high byte of "version made by".
inline constexpr std::uint8_t kHostUnix = 3;

struct EntryRecord {
    std::uint64_t compressedSize = 0;
    std::uint64_t uncompressedSize = 0;
    std::uint64_t localHeaderOffset = 0;  // absolute offset in the archive file
    std::uint32_t crc32 = 0;
    std::uint32_t externalAttributes = 0;
    std::uint16_t versionMadeBy = 0;
    std::uint16_t versionNeeded = 0;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint16_t dosTime = 0;
    std::uint16_t dosDate = 0;
    // Found by the local-header scan without a trustworthy end of its data:
    // extracting it fails without writing anything.
    bool dataLost = false;

    std::uint8_t HostSystem() const { return static_cast<std::uint8_t>(versionMadeBy >> 8); }
};

}  // namespace zip
