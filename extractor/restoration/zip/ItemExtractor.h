// Writes one item of an open archive below a base directory: checks the name
// and what the item needs before anything touches the disk, reaches the
// target folder without following links, streams the data through its
// decoder into the file with bounded memory, checks the CRC-32 and sets the
// time and attributes. Keeps the target folder of the last item for the next.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ConfinedFolder.h"
#include "restoration/codecs/Decode.h"
#include "restoration/zip/ArchiveReader.h"
#include "restoration/zip/ItemName.h"
#include "restoration/zip/ZipEntry.h"

namespace zip {

struct ExtractSettings {
    std::string baseDirectory;  // "" is the current folder
    bool restorePath = true;
    bool createDirs = true;
};

class ItemExtractor {
public:
    // Called with the percentage (0 to 100); returns true to abort the item.
    using ProgressCallback = std::function<bool(int percent)>;

    ItemExtractor(ArchiveReader& reader, NameRules rules);
    ~ItemExtractor();

    // The item replaces a file at its target only once its data is complete,
    // of the declared size and with the right CRC-32; until then that file stays
    // as it was. Throws: ItemError and the public EZip*/ENoSuchDirectory classes
    // for a failed item (nothing partly written stays; after a CRC mismatch,
    // EZipBadCRC, the data stays under the target name only when no file was
    // there); EAbortProgress (Deflate and Deflate64) or EUserAbort (other
    // methods) when progress asks to abort; whatever the progress callback throws.
    void Extract(const std::string& name, const EntryRecord& record, const ExtractSettings& settings,
                 const ProgressCallback& progress);

    // Reads the item's data as Extract does and writes nothing; throws what
    // Extract throws for the item itself (a folder entry is always good).
    void Verify(const std::string& name, const EntryRecord& record);

private:
    platform::ConfinedFolder& TargetFolder(const ExtractSettings& settings, const std::vector<std::string>& levels);
    void WriteData(const EntryRecord& record, std::uint64_t dataStart, platform::OutputFile& file,
                   const ProgressCallback& progress);
    // Decodes the data into file (none: only counted) and returns its CRC-32;
    // throws when it gives another number of bytes than declared.
    std::uint32_t ReadData(const EntryRecord& record, std::uint64_t dataStart, platform::OutputFile* file,
                           const ProgressCallback& progress);

    ArchiveReader& reader_;
    NameRules rules_;
    codecs::Decoder decoder_;  // keeps its buffers from item to item

    // The folder of the last item, reused while the next item goes there too.
    std::string cachedBase_;
    std::vector<std::string> cachedLevels_;
    std::optional<platform::ConfinedFolder> cachedFolder_;
};

}  // namespace zip
