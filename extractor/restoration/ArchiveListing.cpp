// Listing the top-level entries of a backup's data (declared in OpenIndex.h):
// kept apart from reading the index, which it does not need.
#include <algorithm>
#include <memory>
#include <new>

#include "platform/FolderEntries.h"
#include "platform/KnownFolders.h"
#include "platform/Path.h"
#include "restoration/OpenIndex.h"
#include "restoration/ZipRestore.h"
#include "restoration/zip/ItemName.h"
#include "restoration/zip/TUnZipper.h"

namespace {

using platform::kPathSeparator;

std::int32_t ListFolderArchive(const std::string& folder, ArchiveListing& listing) {
    const auto entries = platform::FindEntries(folder + "*.*");
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        if (entry.isFolder) names.push_back(entry.name + kPathSeparator);
    }
    for (const auto& entry : entries) {
        if (!entry.isFolder) names.push_back(entry.name);
    }
    if (names.empty()) return kOpenArchiveEmpty;
    listing.elementNames = std::move(names);
    return kOpenIndexOk;
}

// The listing's own rule, not a safety check (the extraction refuses unsafe
// names itself): a first level that is empty, "." or ".." would name the
// destination or its parent and is no element. An element whose items are all
// refused is still listed, so that restoring it names each refused item.
bool IsElementName(const std::string& top) { return !top.empty() && top != "." && top != ".."; }

std::int32_t ListZipArchive(const std::string& path, ArchiveListing& listing) {
    std::unique_ptr<TUnZipper> lister(new (std::nothrow) TUnZipper());
    if (!lister) return kOpenNoUnzipper;
    lister->OpenArchive(path);
    if (lister->GetCount() == 0) return kOpenArchiveEmpty;

    std::vector<std::string> folders;
    std::vector<std::string> files;
    for (int index = 0; index < lister->GetCount(); ++index) {
        const std::string name = zip::NormalisedItemName(lister->GetItem(index).FileName());
        const auto slash = name.find('/');
        const std::string top = name.substr(0, slash);
        if (!IsElementName(top)) continue;
        if (slash == std::string::npos) {
            files.push_back(name);
        } else if (std::find(folders.begin(), folders.end(), top + kPathSeparator) == folders.end()) {
            folders.push_back(top + kPathSeparator);
        }
    }
    listing.recovered = lister->Recovered();
    lister->CloseArchive();
    if (folders.empty() && files.empty()) return kOpenArchiveEmpty;
    listing.elementNames = std::move(folders);
    listing.elementNames.insert(listing.elementNames.end(), files.begin(), files.end());
    return kOpenIndexOk;
}

}  // namespace

std::string DefaultDestination() {
    std::string folder = platform::DocumentsFolder();
    if (!platform::EndsWithSeparator(folder)) folder += kPathSeparator;
    return folder;
}

std::int32_t ListArchive(const std::string& archivePath, ArchiveListing& listing) {
    ArchiveListing fresh;
    fresh.archivePath = archivePath;
    fresh.defaultDestination = DefaultDestination();
    const std::int32_t code = platform::EndsWithSeparator(archivePath) ? ListFolderArchive(archivePath, fresh)
                                                                       : ListZipArchive(archivePath, fresh);
    if (code != kOpenIndexOk) return code;
    fresh.destinationFolders.assign(fresh.elementNames.size(), fresh.defaultDestination);
    listing = std::move(fresh);
    return kOpenIndexOk;
}
