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

    // Throws: ItemError and the public EZip*/ENoSuchDirectory classes for a
    // failed item (a partly written file is deleted first; after a CRC
    // mismatch, EZipBadCRC, the file stays); EAbortProgress (Deflate and
    // Deflate64) or EUserAbort (other methods) when progress asks to abort;
    // whatever the progress callback throws.
    void Extract(const std::string& name, const EntryRecord& record, const ExtractSettings& settings,
                 const ProgressCallback& progress);

private:
    platform::ConfinedFolder& TargetFolder(const ExtractSettings& settings, const std::vector<std::string>& levels);
    void WriteData(const EntryRecord& record, std::uint64_t dataStart, platform::OutputFile& file,
                   const ProgressCallback& progress);

    ArchiveReader& reader_;
    NameRules rules_;
    std::unique_ptr<std::uint8_t[]> copyBuffer_;
    codecs::Decoder decoder_;  // keeps its buffers from item to item

    // The folder of the last item, reused while the next item goes there too.
    std::string cachedBase_;
    std::vector<std::string> cachedLevels_;
    std::optional<platform::ConfinedFolder> cachedFolder_;
};

}  // namespace zip
