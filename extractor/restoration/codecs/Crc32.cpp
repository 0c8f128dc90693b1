#include "restoration/codecs/Crc32.h"

#include <libdeflate.h>

namespace codecs {

std::uint32_t Crc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size) {
    return libdeflate_crc32(crc, data, size);
}

}  // namespace codecs
