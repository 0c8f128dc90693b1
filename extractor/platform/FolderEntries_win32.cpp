#include <windows.h>

#include "platform/FolderEntries.h"

namespace platform {
namespace {

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

std::vector<FolderEntry> FindEntries(const std::string& pathPattern, bool* opened) {
    const auto cut = pathPattern.find_last_of("\\/:");
    const std::string pattern = cut == std::string::npos ? pathPattern : pathPattern.substr(cut + 1);

    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA(pathPattern.c_str(), &data));
    if (find.get() == INVALID_HANDLE_VALUE) {
        // No match in a readable folder is not a failure to read it.
        if (opened) *opened = GetLastError() == ERROR_FILE_NOT_FOUND;
        return entries;
    }
    if (opened) *opened = true;
    do {
        const std::string_view name = data.cFileName;
        // The system also matches short names and lets "?" match nothing; keep
        // only the names that the pattern itself describes.
        if (name == "." || name == ".." || !MatchesWildcard(name, pattern)) continue;
        FolderEntry entry;
        entry.name = std::string(name);
        entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entries.push_back(std::move(entry));
    } while (FindNextFileA(find.get(), &data));
    return entries;
}

}  // namespace platform
