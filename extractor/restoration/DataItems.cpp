#include "restoration/DataItems.h"

#include "platform/FileSystem.h"
#include "platform/FolderEntries.h"
#include "platform/Path.h"
#include "restoration/codecs/Decode.h"
#include "restoration/zip/ItemName.h"
#include "restoration/zip/TUnZipper.h"

namespace {

constexpr char kSep = platform::kPathSeparator;

DataItems ListZipItems(const std::string& archive) {
    TUnZipper zipper;
    zipper.OpenArchive(archive);
    DataItems list;
    list.recovered = zipper.Recovered();
    list.items.reserve(static_cast<std::size_t>(zipper.GetCount()));
    for (int i = 0; i < zipper.GetCount(); ++i) {
        const TZipItem& item = zipper.GetItem(i);
        DataItem& listed = list.items.emplace_back();
        listed.name = platform::WithPlatformSeparators(zip::NormalisedItemName(item.FileName()));
        listed.kind = item.IsFolder() ? DataItem::Kind::Folder : DataItem::Kind::File;
        listed.size = item.UncompressedSize();
        listed.modified = item.ModificationTime();
        listed.zip = DataItem::Zip{item.CompressionMethod(), item.CompressedSize(), item.Crc32(), item.Encrypted()};
    }
    return list;
}

void ListFolder(const std::string& root, const std::string& relative, DataItems& list) {
    bool opened = false;
    const auto entries = platform::FindEntries(root + relative + "*", &opened);
    if (!opened) {
        list.unreadFolders.push_back(root + relative);
        return;
    }
    for (const platform::FolderEntry& entry : entries) {
        DataItem item;
        item.name = relative + entry.name;
        item.kind = entry.isLink ? DataItem::Kind::Link
                                 : entry.isFolder ? DataItem::Kind::Folder : DataItem::Kind::File;
        if (item.kind == DataItem::Kind::Folder) item.name += kSep;
        if (const auto facts = platform::FactsOf(root + relative + entry.name)) {
            item.size = facts->size;
            item.modified = facts->modified;
        }
        const bool descend = item.kind == DataItem::Kind::Folder;
        std::string name = item.name;
        list.items.push_back(std::move(item));
        if (descend) ListFolder(root, name, list);
    }
}

}  // namespace

DataItems ListDataItems(const std::string& dataPath) {
    if (!platform::EndsWithSeparator(dataPath)) return ListZipItems(dataPath);
    DataItems list;
    ListFolder(dataPath, "", list);
    return list;
}

std::string CompressionMethodName(std::uint16_t method) {
    using namespace codecs;
    switch (method) {
    case kStored: return "Stored";
    case kShrunk: return "Shrunk";
    case kReducedFactor1: case kReducedFactor2: case kReducedFactor3: case kReducedFactor4:
        return "Reduced" + std::to_string(method - kReducedFactor1 + 1);
    case kImploded: return "Imploded";
    case kDeflated: return "Deflated";
    case kDeflate64: return "Deflate64";
    // Methods the decoders do not read, named so that a listing says what they are.
    case 12: return "BZip2";
    case 14: return "LZMA";
    case 93: return "Zstandard";
    case 95: return "XZ";
    case 98: return "PPMd";
    case 99: return "AES";
    default: return "method " + std::to_string(method);
    }
}
