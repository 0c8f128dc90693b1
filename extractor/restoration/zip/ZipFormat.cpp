#include "restoration/zip/ZipFormat.h"

#include "restoration/codecs/Crc32.h"

namespace zip {

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

std::optional<std::string> UnicodePathName(std::string_view storedName, const std::uint8_t* data, std::size_t size) {
    if (size < 5 || data[0] != 1) return std::nullopt;
    // Valid only while it matches the stored name it stands for.
    const std::uint32_t nameCrc =
        codecs::Crc32(0, reinterpret_cast<const std::uint8_t*>(storedName.data()), storedName.size());
    if (Le32(data + 1) != nameCrc) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(data + 5), size - 5);
}

}  // namespace zip
