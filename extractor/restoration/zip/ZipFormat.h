// Byte-level pieces of the ZIP format shared by the directory reader and the
// local-header scan: little-endian fields, record signatures, name checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "restoration/zip/ZipEntry.h"

namespace zip {

inline constexpr std::uint32_t kLocalHeaderSignature = 0x04034b50;
inline constexpr std::uint32_t kCentralHeaderSignature = 0x02014b50;
inline constexpr std::uint32_t kDataDescriptorSignature = 0x08074b50;
inline constexpr std::size_t kLocalHeaderSize = 30;

inline constexpr std::uint16_t kZip64ExtraId = 0x0001;
inline constexpr std::uint16_t kUnicodePathExtraId = 0x7075;

inline std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint64_t Le64(const std::uint8_t* p) { return Le32(p) | (static_cast<std::uint64_t>(Le32(p + 4)) << 32); }

// Local and central headers hold the same fields, in the same order, from
// "version needed to extract" to the extra field's length: p points at the
// first of them. Fills those of the record and gives the two lengths.
inline void ReadSharedHeaderFields(const std::uint8_t* p, EntryRecord& r, std::size_t& nameSize,
                                   std::size_t& extraSize) {
    r.versionNeeded = Le16(p);
    r.flags = Le16(p + 2);
    r.method = Le16(p + 4);
    r.dosTime = Le16(p + 6);
    r.dosDate = Le16(p + 8);
    r.crc32 = Le32(p + 10);
    r.compressedSize = Le32(p + 14);
    r.uncompressedSize = Le32(p + 18);
    nameSize = Le16(p + 22);
    extraSize = Le16(p + 24);
}

// Strict UTF-8: no overlong forms, surrogates or values beyond U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The UTF-8 name of a Unicode path extra field (its data, without the field
// header), when it is valid for the stored name it stands for.
std::optional<std::string> UnicodePathName(std::string_view storedName, const std::uint8_t* data, std::size_t size);

}  // namespace zip
