#include "archive_location/ExpectedArchive.h"

#include "backup_index/Backupproindex.h"
#include "platform/Path.h"

std::string GetExpectedArchivePath(const VUvivuzOvuDodid& index) {
    const std::string base = index.GetArchiveBaseName(index.last_update);
    const std::string stampFolder = index.GetTimestampFolder(index.last_update);
    if (index.use_compression) return stampFolder + base + ".zip";
    return base + platform::kPathSeparator + stampFolder;
}
