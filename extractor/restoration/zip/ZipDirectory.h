// Reading the central directory: the end record (also behind an archive
// comment), ZIP64 end records, and every entry in directory order; and the
// local header in front of an item's data.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "restoration/zip/ArchiveReader.h"
#include "restoration/zip/ZipEntry.h"

namespace zip {

struct DirectoryEntry {
    EntryRecord record;
    std::string name;   // the stored bytes, or the UTF-8 name of a matching Unicode path field
    // The name is UTF-8: flag bit 11, a Unicode path field, or a valid UTF-8
    // name from a Unix host. Otherwise it is in the OEM code page.
    bool utf8 = false;
};

// Calls visit for every entry, in directory order. expectedCount is called
// once before, with the number of entries the end record announces (capped by
// what the directory's size can hold). Throws DamagedArchive when the archive
// cannot be read as a ZIP archive.
void ReadCentralDirectory(ArchiveReader& reader, const std::function<void(std::uint64_t)>& expectedCount,
                          const std::function<void(DirectoryEntry&&)>& visit);

// The offset of the item's data after its local header; checks that the
// header is there and that the data lies inside the file.
std::uint64_t LocateItemData(ArchiveReader& reader, const EntryRecord& record);

}  // namespace zip
