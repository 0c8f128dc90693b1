#include "CodecTestSupport.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "restoration/codecs/Crc32.h"
#include "restoration/codecs/Decode.h"

namespace codectest {

std::size_t MemorySource::Read(std::uint8_t* buffer, std::size_t size) {
    std::size_t n = std::min({size, piece_, data_.size() - pos_});
    std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(pos_), n, buffer);
    pos_ += n;
    return n;
}

Bytes Decode(std::uint16_t method, std::uint16_t flags, const Bytes& compressed, std::uint64_t size,
             std::size_t piece) {
    MemorySource source(compressed, piece);
    MemorySink sink;
    codecs::Decode(method, flags, source, sink, compressed.size(), size);
    return sink.bytes;
}

namespace {
std::uint32_t Le(const Bytes& b, std::size_t at, int bytes) {
    if (at + static_cast<std::size_t>(bytes) > b.size()) throw std::runtime_error("archive ends inside a header");
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}
}  // namespace

std::vector<LocalItem> ReadLocalItems(const Bytes& archive) {
    std::vector<LocalItem> items;
    std::size_t at = 0;
    while (at + 4 <= archive.size() && Le(archive, at, 4) == 0x04034B50) {
        LocalItem item;
        item.flags = static_cast<std::uint16_t>(Le(archive, at + 6, 2));
        item.method = static_cast<std::uint16_t>(Le(archive, at + 8, 2));
        item.crc = Le(archive, at + 14, 4);
        std::size_t packed = Le(archive, at + 18, 4);
        item.size = Le(archive, at + 22, 4);
        std::size_t nameLength = Le(archive, at + 26, 2);
        std::size_t extraLength = Le(archive, at + 28, 2);
        if (item.flags & 8) throw std::runtime_error("data descriptors are not walked here");
        std::size_t data = at + 30 + nameLength + extraLength;
        if (data + packed > archive.size()) throw std::runtime_error("archive ends inside an item");
        item.name.assign(archive.begin() + static_cast<std::ptrdiff_t>(at + 30),
                         archive.begin() + static_cast<std::ptrdiff_t>(at + 30 + nameLength));
        item.data.assign(archive.begin() + static_cast<std::ptrdiff_t>(data),
                         archive.begin() + static_cast<std::ptrdiff_t>(data + packed));
        items.push_back(std::move(item));
        at = data + packed;
    }
    return items;
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::uint32_t Crc32Of(const Bytes& data) { return codecs::Crc32(0, data.data(), data.size()); }

}  // namespace codectest
