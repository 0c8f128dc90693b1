#include "restoration/zip/ZipDirectory.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "restoration/zip/ZipErrors.h"
#include "restoration/zip/ZipFormat.h"

namespace zip {
namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;

constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kZip64EndSize = 56;
constexpr std::size_t kZip64LocatorSize = 20;
constexpr std::size_t kMaxCommentSize = 0xFFFF;


struct DirectoryPlace {
    std::uint64_t offset = 0;  // absolute, after the shift below
    std::uint64_t size = 0;
    std::uint64_t count = 0;
    bool zip64 = false;
    // Bytes in front of the archive proper (a self-extractor's stub): the
    // recorded offsets are counted from the archive's own start.
    std::uint64_t shift = 0;
};

struct EndRecord {
    std::uint64_t position = 0;
    std::uint16_t disk = 0, directoryDisk = 0, countOnDisk = 0, count = 0;
    std::uint32_t directorySize = 0, directoryOffset = 0;
    std::uint16_t commentSize = 0;
};

EndRecord ParseEnd(const std::uint8_t* p, std::uint64_t position) {
    EndRecord end;
    end.position = position;
    end.disk = Le16(p + 4);
    end.directoryDisk = Le16(p + 6);
    end.countOnDisk = Le16(p + 8);
    end.count = Le16(p + 10);
    end.directorySize = Le32(p + 12);
    end.directoryOffset = Le32(p + 16);
    end.commentSize = Le16(p + 20);
    return end;
}

// A record with local or central headers after it ends an archive stored
// inside this one, not this archive.
bool HeadersFollow(const std::vector<std::uint8_t>& tail, std::size_t from) {
    for (std::size_t i = from; i + 4 <= tail.size(); ++i) {
        const std::uint32_t signature = Le32(&tail[i]);
        if (signature == kLocalHeaderSignature || signature == kCentralHeaderSignature) return true;
    }
    return false;
}

// The end record is the last thing in the file, followed only by its comment.
// A comment may itself hold the signature, so a record whose comment reaches
// exactly the end of the file wins over others; failing that, the last
// plausible one (some writers leave bytes after the comment).
EndRecord FindEndRecord(ArchiveReader& reader) {
    const std::uint64_t size = reader.Size();
    if (size < kEndSize) throw DamagedArchive("the file is too small to be a ZIP archive");
    // Mostly there is no comment: then the last bytes are enough, and a bad
    // spot before them does not matter.
    std::uint8_t last[kEndSize];
    reader.ReadExact(size - kEndSize, last, kEndSize, "the end of the archive");
    if (Le32(last) == kEndSignature && Le16(last + 20) == 0) return ParseEnd(last, size - kEndSize);
    const std::size_t tailSize = static_cast<std::size_t>(std::min<std::uint64_t>(size, kEndSize + kMaxCommentSize));
    const std::uint64_t tailStart = size - tailSize;
    std::vector<std::uint8_t> tail(tailSize);
    reader.ReadExact(tailStart, tail.data(), tailSize, "the end of the archive");

    std::optional<EndRecord> fallback;
    for (std::size_t i = tailSize - kEndSize + 1; i-- > 0;) {
        if (Le32(&tail[i]) != kEndSignature) continue;
        const EndRecord end = ParseEnd(&tail[i], tailStart + i);
        const std::size_t reach = i + kEndSize + end.commentSize;
        if (reach == tailSize) return end;
        if (reach < tailSize && !fallback && !HeadersFollow(tail, reach)) fallback = end;
    }
    if (fallback) return *fallback;
    throw DamagedArchive("no end of central directory record (not a ZIP archive)");
}

DirectoryPlace LocateDirectory(ArchiveReader& reader) {
    const EndRecord end = FindEndRecord(reader);
    DirectoryPlace place;
    place.offset = end.directoryOffset;
    place.size = end.directorySize;
    place.count = end.count;
    std::uint64_t directoryEnd = end.position;  // where the directory is expected to stop

    // A ZIP64 locator sits right before the end record.
    std::uint8_t locator[kZip64LocatorSize];
    if (end.position >= kZip64LocatorSize &&
        reader.ReadSome(end.position - kZip64LocatorSize, locator, sizeof locator) == sizeof locator &&
        Le32(locator) == kZip64LocatorSignature) {
        if (Le32(locator + 16) > 1) throw DamagedArchive("archives split over several disks are not supported");
        std::uint64_t recordAt = Le64(locator + 8);
        std::uint8_t record[kZip64EndSize];
        const std::uint64_t expectedAt = end.position - kZip64LocatorSize - kZip64EndSize;
        // The recorded offset is relative to the archive's start; a stub in
        // front moves it, and then the record sits right before the locator.
        if (reader.ReadSome(recordAt, record, sizeof record) != sizeof record || Le32(record) != kZip64EndSignature) {
            recordAt = expectedAt;
            if (end.position < kZip64LocatorSize + kZip64EndSize ||
                reader.ReadSome(recordAt, record, sizeof record) != sizeof record ||
                Le32(record) != kZip64EndSignature)
                throw DamagedArchive("the ZIP64 end of central directory record is missing");
        }
        if (Le32(record + 16) != 0 || Le32(record + 20) != 0)
            throw DamagedArchive("archives split over several disks are not supported");
        place.zip64 = true;
        place.count = Le64(record + 32);
        place.size = Le64(record + 40);
        place.offset = Le64(record + 48);
        directoryEnd = recordAt;
    } else if (end.disk != 0 || end.directoryDisk != 0) {
        throw DamagedArchive("archives split over several disks are not supported");
    }

    if (place.size > directoryEnd || place.offset > directoryEnd - place.size)
        throw DamagedArchive("the central directory lies outside the file");
    place.shift = directoryEnd - place.size - place.offset;
    place.offset += place.shift;
    return place;
}

// Values that are 0xFFFF.. in the fixed header come from the ZIP64 field, in this order.
void ApplyZip64Field(EntryRecord& record, bool needUncompressed, bool needCompressed, bool needOffset,
                     const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    auto take = [&](std::uint64_t& value) {
        if (at + 8 > size) throw DamagedArchive("a ZIP64 extra field is too short");
        value = Le64(data + at);
        at += 8;
    };
    if (needUncompressed) take(record.uncompressedSize);
    if (needCompressed) take(record.compressedSize);
    if (needOffset) take(record.localHeaderOffset);
}

void ParseEntry(const std::uint8_t* fixed, const std::uint8_t* variable, DirectoryEntry& entry) {
    EntryRecord& r = entry.record;
    r.versionMadeBy = Le16(fixed + 4);
    std::size_t nameSize = 0, extraSize = 0;
    ReadSharedHeaderFields(fixed + 6, r, nameSize, extraSize);
    r.externalAttributes = Le32(fixed + 38);
    r.localHeaderOffset = Le32(fixed + 42);

    entry.name.assign(reinterpret_cast<const char*>(variable), nameSize);
    entry.utf8 = (r.flags & kFlagUtf8) != 0;

    const bool needUncompressed = r.uncompressedSize == 0xFFFFFFFFu;
    const bool needCompressed = r.compressedSize == 0xFFFFFFFFu;
    const bool needOffset = r.localHeaderOffset == 0xFFFFFFFFu;
    bool zip64Applied = false;

    const std::uint8_t* extra = variable + nameSize;
    for (std::size_t at = 0; at + 4 <= extraSize;) {
        const std::uint16_t id = Le16(extra + at);
        const std::size_t size = Le16(extra + at + 2);
        const std::uint8_t* data = extra + at + 4;
        if (at + 4 + size > extraSize) break;  // a damaged tail of extra data is ignored
        if (id == kZip64ExtraId && !zip64Applied) {
            ApplyZip64Field(r, needUncompressed, needCompressed, needOffset, data, size);
            zip64Applied = true;
        } else if (id == kUnicodePathExtraId) {
            if (auto name = UnicodePathName({reinterpret_cast<const char*>(variable), nameSize}, data, size)) {
                entry.name = std::move(*name);
                entry.utf8 = true;
            }
        }
        at += 4 + size;
    }
    // Without a ZIP64 field, 0xFFFFFFFF values are what they say (an item of 4 GiB - 1 bytes).

    // Unix tools store names in the maker's character set, today UTF-8, mostly
    // without saying so; read as code page 437 they would come out garbled.
    if (!entry.utf8 && r.HostSystem() == kHostUnix && IsValidUtf8(entry.name)) entry.utf8 = true;
}

}  // namespace

void ReadCentralDirectory(ArchiveReader& reader, const std::function<void(std::uint64_t)>& expectedCount,
                          const std::function<void(DirectoryEntry&&)>& visit) {
    const DirectoryPlace place = LocateDirectory(reader);
    expectedCount(std::min<std::uint64_t>(place.count, place.size / kCentralHeaderSize));

    const std::uint64_t end = place.offset + place.size;
    std::uint64_t at = place.offset;
    std::uint64_t found = 0;
    std::uint8_t fixed[kCentralHeaderSize];
    std::vector<std::uint8_t> variable;
    while (at < end) {
        if (end - at < kCentralHeaderSize) throw DamagedArchive("the central directory ends inside an entry");
        reader.ReadExact(at, fixed, kCentralHeaderSize, "the central directory");
        if (Le32(fixed) != kCentralHeaderSignature) throw DamagedArchive("a central directory entry is damaged");
        const std::size_t variableSize =
            std::size_t{Le16(fixed + 28)} + std::size_t{Le16(fixed + 30)} + std::size_t{Le16(fixed + 32)};
        at += kCentralHeaderSize;
        if (end - at < variableSize) throw DamagedArchive("the central directory ends inside an entry");
        variable.resize(variableSize);
        reader.ReadExact(at, variable.data(), variableSize, "the central directory");
        at += variableSize;

        DirectoryEntry entry;
        ParseEntry(fixed, variable.data(), entry);
        if (entry.record.localHeaderOffset > reader.Size() - place.shift)
            throw DamagedArchive("an entry's local header lies outside the file");
        entry.record.localHeaderOffset += place.shift;
        visit(std::move(entry));
        ++found;
    }
    // Writers without ZIP64 let the 16-bit count wrap past 65,535 entries.
    const bool countMatches =
        place.zip64 ? found == place.count : (found & 0xFFFF) == place.count || place.count == 0xFFFF;
    if (!countMatches) throw DamagedArchive("the central directory holds a different number of entries than announced");
}

std::uint64_t LocateItemData(ArchiveReader& reader, const EntryRecord& record) {
    std::uint8_t header[kLocalHeaderSize];
    reader.ReadExact(record.localHeaderOffset, header, sizeof header, "a local header");
    if (Le32(header) != kLocalHeaderSignature) throw DamagedArchive("a local header is missing");
    const std::uint64_t dataStart = record.localHeaderOffset + kLocalHeaderSize + Le16(header + 26) + Le16(header + 28);
    if (dataStart > reader.Size() || record.compressedSize > reader.Size() - dataStart)
        throw DamagedArchive("an item's data lies beyond the end of the file");
    return dataStart;
}

}  // namespace zip
