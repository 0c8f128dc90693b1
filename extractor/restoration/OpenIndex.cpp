#include "restoration/OpenIndex.h"

#include "archive_location/ExpectedArchive.h"
#include "backup_index/Backupproindex.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

namespace {

// The data at its place as the first version, before the others found.
void PutCurrentFirst(LocatedArchive& located) {
    const std::string location = located.expectedPath.substr(located.indexFolder.size());
    std::erase_if(located.versions, [&](const ArchiveVersion& version) { return version.location == location; });
    located.versions.insert(located.versions.begin(), ArchiveVersion{location, {}});
    located.currentFirst = true;
}

}  // namespace

std::int32_t LocateArchive(const std::string& indexPath, LocatedArchive& located, VersionSearch search) {
    if (!platform::PathExists(indexPath)) return kOpenIndexMissing;
    VUvivuzOvuDodid index;
    if (const std::int32_t code = ImportIndexFile(index, indexPath); code != 0) return code;
    located = LocatedArchive{};
    located.indexFolder = platform::FolderOf(indexPath);
    located.baseName = index.name;
    located.expectedPath = located.indexFolder + GetExpectedArchivePath(index);
    located.expectedExists = platform::PathExists(located.expectedPath);
    if (!located.expectedExists || search == VersionSearch::kAlways) {
        located.versions = FindArchiveVersions(located.indexFolder, located.baseName);
    }
    if (located.expectedExists && search == VersionSearch::kAlways) PutCurrentFirst(located);
    return kOpenIndexOk;
}

std::int32_t OpenIndexFile(const std::string& indexPath, const ArchiveVersionChooser& choose,
                           ArchiveListing& listing, bool& cancelled, std::string* listedPath,
                           VersionSearch search) {
    cancelled = false;
    LocatedArchive located;
    if (const std::int32_t code = LocateArchive(indexPath, located, search); code != kOpenIndexOk) return code;
    std::string candidate = located.expectedPath;
    if (!located.expectedExists || search == VersionSearch::kAlways) {
        if (located.versions.empty()) return kOpenNoArchive;
        candidate = choose ? choose(located) : std::string();
        if (candidate.empty()) return kOpenNoArchive;
        if (candidate == "/") {
            cancelled = true;
            return kOpenIndexOk;
        }
    }
    if (listedPath) *listedPath = candidate;
    return ListArchive(candidate, listing);
}
