#include "archive_location/IndexFileScan.h"

#include "platform/FolderEntries.h"
#include "platform/Path.h"

void ScanForIndexFiles(const std::string& folder, std::vector<std::string>& list, int maxDepth, int depth) {
    for (const auto& entry : platform::FindEntries(folder + "*.lxi")) {
        if (!entry.isFolder) list.push_back(folder + entry.name);
    }
    if (depth >= maxDepth) return;
    for (const auto& entry : platform::FindEntries(folder + "*.*")) {
        if (entry.isFolder) ScanForIndexFiles(folder + entry.name + platform::kPathSeparator, list, maxDepth, depth + 1);
    }
}
