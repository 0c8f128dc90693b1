#include "ZipWriter.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>

namespace ziptest {
namespace {

void Put16(std::string& out, std::uint64_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint64_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, (v >> 16) & 0xFFFF);
}
void Put64(std::string& out, std::uint64_t v) {
    Put32(out, v & 0xFFFFFFFFu);
    Put32(out, v >> 32);
}

constexpr std::uint64_t kMax32 = 0xFFFFFFFFu;

}  // namespace

std::string Deflate(std::string_view data) {
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&stream, data.size()) + 16, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate");
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

std::string DeflateZeroMebibytes(std::uint64_t count) {
    // After a full flush the compressor starts afresh, so every further MiB
    // of zeros compresses to the same byte-aligned piece.
    const std::string zeros(1 << 20, '\0');
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string pieces[2];
    for (std::string& piece : pieces) {
        piece.assign(1 << 16, '\0');
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
        stream.avail_in = static_cast<uInt>(zeros.size());
        stream.next_out = reinterpret_cast<Bytef*>(piece.data());
        stream.avail_out = static_cast<uInt>(piece.size());
        if (deflate(&stream, Z_FULL_FLUSH) != Z_OK || stream.avail_in != 0) throw std::runtime_error("deflate");
        piece.resize(piece.size() - stream.avail_out);
    }
    deflateEnd(&stream);
    if (pieces[0] != pieces[1]) throw std::runtime_error("flushed pieces differ");
    std::string out;
    out.reserve(pieces[0].size() * count + 2);
    for (std::uint64_t i = 0; i < count; ++i) out += pieces[0];
    out += std::string("\x03\x00", 2);  // a final empty block with fixed codes
    return out;
}

std::uint32_t Crc32(std::string_view data) {
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::uint32_t CrcOfZeroMebibytes(std::uint64_t count) {
    const std::string zeros(1 << 20, '\0');
    const uLong piece = crc32(0, reinterpret_cast<const Bytef*>(zeros.data()), static_cast<uInt>(zeros.size()));
    uLong crc = 0;
    for (std::uint64_t i = 0; i < count; ++i) crc = crc32_combine(crc, piece, static_cast<z_off_t>(zeros.size()));
    return static_cast<std::uint32_t>(crc);
}

ZipWriter& ZipWriter::Add(Entry entry) {
    entries_.push_back(std::move(entry));
    return *this;
}

ZipWriter& ZipWriter::Add(std::string name, std::string data, std::uint16_t method) {
    Entry entry;
    entry.name = std::move(name);
    entry.data = std::move(data);
    entry.method = method;
    return Add(std::move(entry));
}

std::vector<ZipWriter::Piece> ZipWriter::Build() const {
    std::vector<Piece> pieces;
    pieces.push_back({prefix, 0});
    std::uint64_t offset = 0;  // counted from the archive's start, after the prefix
    std::string central;

    for (const Entry& e : entries_) {
        const std::string stored =
            e.compressed ? *e.compressed : (e.method == 8 ? Deflate(e.data) : e.data);
        const std::uint64_t size = e.uncompressedSize ? *e.uncompressedSize : e.data.size();
        const std::uint32_t crc = e.crc ? *e.crc : Crc32(e.data);
        offset += e.gapBefore;
        const std::uint64_t localOffset = offset;
        const bool zip64Sizes = e.zip64 || size >= kMax32 || stored.size() >= kMax32;
        const bool zip64Offset = e.zip64 || localOffset >= kMax32;

        std::string local;
        Put32(local, 0x04034b50);
        Put16(local, e.versionNeeded);
        Put16(local, e.flags);
        Put16(local, e.method);
        Put16(local, e.dosTime);
        Put16(local, e.dosDate);
        std::string localExtra;
        if (zip64Sizes) {
            Put16(localExtra, 1);
            Put16(localExtra, 16);
            Put64(localExtra, e.dataDescriptor ? 0 : size);
            Put64(localExtra, e.dataDescriptor ? 0 : stored.size());
        }
        Put32(local, e.dataDescriptor ? 0 : crc);
        Put32(local, zip64Sizes ? kMax32 : (e.dataDescriptor ? 0 : stored.size()));
        Put32(local, zip64Sizes ? kMax32 : (e.dataDescriptor ? 0 : size));
        Put16(local, e.name.size());
        Put16(local, localExtra.size());
        local += e.name;
        local += localExtra;
        local += stored;
        if (e.dataDescriptor) {
            Put32(local, 0x08074b50);
            Put32(local, crc);
            if (zip64Sizes) {
                Put64(local, stored.size());
                Put64(local, size);
            } else {
                Put32(local, stored.size());
                Put32(local, size);
            }
        }
        pieces.push_back({std::move(local), e.gapBefore});
        offset += pieces.back().bytes.size();

        std::string extra;
        if (zip64Sizes || zip64Offset) {
            std::string fields;
            if (zip64Sizes) {
                Put64(fields, size);
                Put64(fields, stored.size());
            }
            if (zip64Offset) Put64(fields, localOffset);
            Put16(extra, 1);
            Put16(extra, fields.size());
            extra += fields;
        }
        extra += e.centralExtra;
        Put32(central, 0x02014b50);
        Put16(central, (e.host << 8) | 30);
        Put16(central, e.versionNeeded);
        Put16(central, e.flags);
        Put16(central, e.method);
        Put16(central, e.dosTime);
        Put16(central, e.dosDate);
        Put32(central, crc);
        Put32(central, zip64Sizes ? kMax32 : stored.size());
        Put32(central, zip64Sizes ? kMax32 : size);
        Put16(central, e.name.size());
        Put16(central, extra.size());
        Put16(central, 0);  // comment
        Put16(central, 0);  // disk
        Put16(central, 0);  // internal attributes
        Put32(central, e.externalAttributes);
        Put32(central, zip64Offset ? kMax32 : localOffset);
        central += e.name;
        central += extra;
    }

    const std::uint64_t directoryOffset = offset;
    const std::uint64_t count = entries_.size();
    std::string tail = central;
    const bool needZip64 = zip64End || count >= 0xFFFF || directoryOffset >= kMax32 || central.size() >= kMax32;
    if (needZip64) {
        const std::uint64_t recordOffset = directoryOffset + central.size();
        Put32(tail, 0x06064b50);
        Put64(tail, 44);
        Put16(tail, 45);
        Put16(tail, 45);
        Put32(tail, 0);
        Put32(tail, 0);
        Put64(tail, count);
        Put64(tail, count);
        Put64(tail, central.size());
        Put64(tail, directoryOffset);
        Put32(tail, 0x07064b50);
        Put32(tail, 0);
        Put64(tail, recordOffset);
        Put32(tail, 1);
    }
    const std::uint64_t shownCount = recordedCount ? *recordedCount : (needZip64 ? 0xFFFF : count);
    Put32(tail, 0x06054b50);
    Put16(tail, 0);
    Put16(tail, 0);
    Put16(tail, shownCount);
    Put16(tail, shownCount);
    Put32(tail, needZip64 ? kMax32 : central.size());
    Put32(tail, needZip64 ? kMax32 : directoryOffset);
    Put16(tail, comment.size());
    tail += comment;
    pieces.push_back({std::move(tail), 0});
    return pieces;
}

std::string ZipWriter::Bytes() const {
    std::string out;
    for (const Piece& piece : Build()) {
        out.append(piece.gap, '\0');
        out += piece.bytes;
    }
    return out;
}

void ZipWriter::WriteTo(const std::filesystem::path& file) const {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    std::uint64_t position = 0;
    for (const Piece& piece : Build()) {
        position += piece.gap;
        if (piece.gap) out.seekp(static_cast<std::streamoff>(position));
        out.write(piece.bytes.data(), static_cast<std::streamsize>(piece.bytes.size()));
        position += piece.bytes.size();
    }
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace ziptest
