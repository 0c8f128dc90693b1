// CRC-32 as ZIP uses it (the polynomial 0xEDB88320, reflected).
#pragma once

#include <cstddef>
#include <cstdint>

namespace codecs {

// Continues crc (0 to start) over size bytes and returns the new value.
std::uint32_t Crc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size);

}  // namespace codecs
