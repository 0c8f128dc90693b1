#include "restoration/zip/LocalHeaderScan.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "restoration/codecs/Crc32.h"
#include "restoration/codecs/Decode.h"
#include "restoration/codecs/Inflate.h"
#include "restoration/zip/ZipErrors.h"
#include "restoration/zip/ZipFormat.h"

namespace zip {
namespace {

constexpr std::size_t kSearchChunk = 64 * 1024;
constexpr std::size_t kSector = 512;  // the smallest piece the search reads around bytes that cannot be read
constexpr std::size_t kLongestDescriptor = 24;  // signature, CRC-32, two 64-bit sizes
constexpr std::uint8_t kHighestPlausibleVersion = 63;

// Methods a writer may have used: an item of one we do not read is still
// listed, so that extracting it names it.
bool PlausibleMethod(std::uint16_t method) {
    if (codecs::IsSupportedMethod(method)) return true;
    switch (method) {
    case 10: case 12: case 14: case 18: case 19: case 20: case 93: case 94: case 95: case 96: case 97: case 98:
    case 99: return true;
    default: return false;
    }
}

struct Descriptor {
    std::uint32_t crc32 = 0;
    std::uint64_t compressedSize = 0;
    std::uint64_t uncompressedSize = 0;
    std::size_t length = 0;
};

// A data descriptor at p for data of the given compressed size, in any of its
// forms (with or without signature, 32- or 64-bit sizes; signed forms first),
// whose fields match what the caller knows.
std::optional<Descriptor> DescriptorAt(const std::uint8_t* p, std::size_t available, std::uint64_t compressed,
                                       bool signedOnly, std::optional<std::uint32_t> crc,
                                       std::optional<std::uint64_t> uncompressed) {
    struct Form {
        bool withSignature;
        bool wide;
    };
    static constexpr Form kForms[] = {{true, false}, {true, true}, {false, false}, {false, true}};
    for (const Form form : kForms) {
        if (signedOnly && !form.withSignature) continue;
        const std::size_t length = (form.withSignature ? 4 : 0) + 4 + (form.wide ? 16 : 8);
        if (available < length) continue;
        const std::uint8_t* fields = p;
        if (form.withSignature) {
            if (Le32(p) != kDataDescriptorSignature) continue;
            fields += 4;
        }
        Descriptor d;
        d.crc32 = Le32(fields);
        d.compressedSize = form.wide ? Le64(fields + 4) : Le32(fields + 4);
        d.uncompressedSize = form.wide ? Le64(fields + 12) : Le32(fields + 8);
        d.length = length;
        if (d.compressedSize != compressed || (crc && d.crc32 != *crc) ||
            (uncompressed && d.uncompressedSize != *uncompressed))
            continue;
        return d;
    }
    return std::nullopt;
}

// The bytes from an offset to the end of the file.
class RestOfFile : public codecs::ByteSource {
public:
    RestOfFile(ArchiveReader& reader, std::uint64_t start) : reader_(reader), position_(start) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t size) override {
        const std::size_t got = reader_.ReadSome(position_, buffer, size);
        position_ += got;
        return got;
    }

private:
    ArchiveReader& reader_;
    std::uint64_t position_;
};

class Scanner {
public:
    explicit Scanner(ArchiveReader& reader) : reader_(reader), window_(kSearchChunk + kLongestDescriptor) {}

    std::vector<DirectoryEntry> Run() {
        std::vector<DirectoryEntry> items;
        std::vector<bool> superseded;
        std::unordered_map<std::string, std::size_t> byName;
        for (std::uint64_t at = 0; const auto offset = FindSignature(at);) {
            std::uint64_t next = *offset + 1;
            std::optional<DirectoryEntry> entry;
            try {
                entry = ReadItem(*offset, next);
            } catch (const ArchiveReadError&) {
                next = *offset + 1;  // the header cannot be read: no item to name
            }
            if (entry) {
                if (const auto earlier = byName.find(entry->name); earlier != byName.end())
                    superseded[earlier->second] = true;
                byName[entry->name] = items.size();
                items.push_back(std::move(*entry));
                superseded.push_back(false);
            }
            at = next;
        }
        std::vector<DirectoryEntry> kept;
        kept.reserve(byName.size());
        for (std::size_t i = 0; i < items.size(); ++i)
            if (!superseded[i]) kept.push_back(std::move(items[i]));
        return kept;
    }

private:
    std::optional<std::uint64_t> FindSignature(std::uint64_t at) {
        while (at < reader_.Size()) {
            std::size_t got = 0;
            try {
                got = reader_.ReadSome(at, window_.data(), kSearchChunk + 3);
            } catch (const ArchiveReadError&) {
                // Up to the next sector boundary only, to keep what can be read
                // before the bad spot (a sector further when fewer than a
                // signature's bytes are left before it); a sector that cannot
                // be read is passed over.
                std::uint64_t boundary = (at / kSector + 1) * kSector;
                if (boundary - at < 4) boundary += kSector;
                try {
                    got = reader_.ReadSome(at, window_.data(), static_cast<std::size_t>(boundary - at));
                } catch (const ArchiveReadError&) {
                    at = boundary;
                    continue;
                }
            }
            if (got == 0) return std::nullopt;
            for (std::size_t i = 0; i + 4 <= got; ++i)
                if (Le32(&window_[i]) == kLocalHeaderSignature) return at + i;
            if (at + got >= reader_.Size()) return std::nullopt;
            at += got > 3 ? got - 3 : got;
        }
        return std::nullopt;
    }

    // The item whose local header is at offset, when the header is plausible;
    // next becomes where the scan goes on.
    std::optional<DirectoryEntry> ReadItem(std::uint64_t offset, std::uint64_t& next) {
        std::uint8_t fixed[kLocalHeaderSize];
        if (reader_.ReadSome(offset, fixed, sizeof fixed) != sizeof fixed) return std::nullopt;
        DirectoryEntry entry;
        EntryRecord& r = entry.record;
        r.localHeaderOffset = offset;
        std::size_t nameSize = 0, extraSize = 0;
        ReadSharedHeaderFields(fixed + 4, r, nameSize, extraSize);
        if ((r.versionNeeded & 0xFF) > kHighestPlausibleVersion || !PlausibleMethod(r.method) || nameSize == 0)
            return std::nullopt;
        const std::uint64_t dataStart = offset + kLocalHeaderSize + nameSize + extraSize;
        if (dataStart > reader_.Size()) return std::nullopt;
        std::vector<std::uint8_t> variable(nameSize + extraSize);
        reader_.ReadExact(offset + kLocalHeaderSize, variable.data(), variable.size(), "a local header");
        entry.name.assign(reinterpret_cast<const char*>(variable.data()), nameSize);
        if (entry.name.find('\0') != std::string::npos) return std::nullopt;
        entry.utf8 = (r.flags & kFlagUtf8) != 0;
        ApplyExtraFields(variable.data() + nameSize, extraSize, entry);
        // The maker's host is recorded only in the directory; names that are
        // valid UTF-8 beyond ASCII are taken as UTF-8, as they almost always are.
        if (!entry.utf8 && IsValidUtf8(entry.name) &&
            std::any_of(entry.name.begin(), entry.name.end(), [](char c) { return (c & 0x80) != 0; }))
            entry.utf8 = true;

        next = dataStart;
        const bool sizesFollow = (r.flags & kFlagDataDescriptor) != 0 && r.compressedSize == 0;
        if (!sizesFollow) {
            // A size past the end of the file is not believed: the item fails
            // when extracted, and the scan looks for the next header in its data.
            if (r.compressedSize <= reader_.Size() - dataStart) next = dataStart + r.compressedSize;
            return entry;
        }
        std::optional<Descriptor> end;
        try {
            end = FindDataEnd(r, dataStart);
        } catch (const ArchiveReadError&) {
            // Unreadable data: the item is named, and the scan looks on behind its header.
        }
        if (!end) {
            r.dataLost = true;
            return entry;
        }
        r.crc32 = end->crc32;
        r.compressedSize = end->compressedSize;
        r.uncompressedSize = end->uncompressedSize;
        next = dataStart + end->compressedSize + end->length;
        return entry;
    }

    static void ApplyExtraFields(const std::uint8_t* extra, std::size_t extraSize, DirectoryEntry& entry) {
        EntryRecord& r = entry.record;
        const std::string storedName = entry.name;
        for (std::size_t at = 0; at + 4 <= extraSize;) {
            const std::uint16_t id = Le16(extra + at);
            const std::size_t size = Le16(extra + at + 2);
            const std::uint8_t* data = extra + at + 4;
            if (at + 4 + size > extraSize) break;
            if (id == kZip64ExtraId) {
                // A local header's ZIP64 field holds both sizes, uncompressed first.
                std::size_t field = 0;
                if (r.uncompressedSize == 0xFFFFFFFFu) {
                    if (size >= 8) r.uncompressedSize = Le64(data);
                    field = 8;
                } else if (size >= 16) {
                    field = 8;
                }
                if (r.compressedSize == 0xFFFFFFFFu && field + 8 <= size) r.compressedSize = Le64(data + field);
            } else if (id == kUnicodePathExtraId) {
                if (auto name = UnicodePathName(storedName, data, size)) {
                    entry.name = std::move(*name);
                    entry.utf8 = true;
                }
            }
            at += 4 + size;
        }
    }

    // Where the data of an item with a data descriptor ends: Deflate carries
    // its own end; stored data ends at the first descriptor whose CRC-32 and
    // sizes match the bytes before it; for the other methods, and encrypted
    // items, at the first signed descriptor whose compressed size matches.
    std::optional<Descriptor> FindDataEnd(const EntryRecord& r, std::uint64_t dataStart) {
        const bool encrypted = (r.flags & (kFlagEncrypted | kFlagStrongEncryption)) != 0;
        if (r.method == codecs::kDeflated && !encrypted) {
            RestOfFile source(reader_, dataStart);
            const std::optional<codecs::DeflateExtent> extent = codecs::MeasureDeflate(source);
            if (!extent) return std::nullopt;
            std::uint8_t tail[kLongestDescriptor];
            const std::size_t got = reader_.ReadSome(dataStart + extent->compressedSize, tail, sizeof tail);
            return DescriptorAt(tail, got, extent->compressedSize, false, std::nullopt, extent->uncompressedSize);
        }
        return SearchDescriptor(dataStart, r.method == codecs::kStored && !encrypted);
    }

    std::optional<Descriptor> SearchDescriptor(std::uint64_t dataStart, bool stored) {
        std::uint32_t crc = 0;
        std::uint64_t length = 0;  // bytes of data before the candidate
        for (std::uint64_t base = dataStart; base < reader_.Size();) {
            const std::size_t got = reader_.ReadSome(base, window_.data(), window_.size());
            const std::size_t limit = std::min(got, kSearchChunk);
            for (std::size_t i = 0; i < limit; ++i, ++length) {
                const std::uint8_t* p = &window_[i];
                if (got - i < 12) break;  // too short for any descriptor
                if (stored) {
                    if (Le32(p) == kDataDescriptorSignature || Le32(p) == crc) {
                        if (auto d = DescriptorAt(p, got - i, length, false, crc, length)) return d;
                    }
                    crc = codecs::Crc32(crc, p, 1);
                } else if (got - i >= 4 && Le32(p) == kDataDescriptorSignature) {
                    if (auto d = DescriptorAt(p, got - i, length, true, std::nullopt, std::nullopt)) return d;
                }
            }
            if (got == 0) break;
            base += limit;
        }
        return std::nullopt;
    }

    ArchiveReader& reader_;
    std::vector<std::uint8_t> window_;
};

}  // namespace

std::vector<DirectoryEntry> ScanLocalHeaders(ArchiveReader& reader) { return Scanner(reader).Run(); }

}  // namespace zip
