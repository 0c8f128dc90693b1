#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "platform/FolderEntries.h"

namespace platform {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

std::vector<FolderEntry> FindEntries(const std::string& pathPattern, bool* opened) {
    const auto cut = pathPattern.find_last_of('/');
    const std::string folder = cut == std::string::npos ? std::string() : pathPattern.substr(0, cut + 1);
    const std::string pattern = cut == std::string::npos ? pathPattern : pathPattern.substr(cut + 1);

    std::vector<FolderEntry> entries;
    std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.empty() ? "." : folder.c_str()));
    if (opened) *opened = dir != nullptr;
    if (!dir) return entries;
    while (const dirent* record = ::readdir(dir.get())) {
        const std::string_view name = record->d_name;
        if (name == "." || name == ".." || !MatchesWildcard(name, pattern)) continue;
        FolderEntry entry;
        entry.name = std::string(name);
        unsigned char type = record->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info {};
            if (::lstat((folder + entry.name).c_str(), &info) == 0) {
                type = S_ISLNK(info.st_mode) ? DT_LNK : S_ISDIR(info.st_mode) ? DT_DIR : DT_REG;
            }
        }
        entry.isLink = type == DT_LNK;
        if (entry.isLink) {
            // Windows marks a link to a folder (junction, directory link) as a folder.
            struct stat target {};
            entry.isFolder = ::stat((folder + entry.name).c_str(), &target) == 0 && S_ISDIR(target.st_mode);
        } else {
            entry.isFolder = type == DT_DIR;
        }
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return NameOrderLess(a.name, b.name); });
    return entries;
}

}  // namespace platform
