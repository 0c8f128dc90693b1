#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

EntryKind KindOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return EntryKind::None;
    if (S_ISLNK(info.st_mode)) return EntryKind::Link;
    return S_ISDIR(info.st_mode) ? EntryKind::Folder : EntryKind::File;
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MakeFolder(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0; }

bool RemoveEmptyFolder(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) return ::unlink(path.c_str()) == 0;
    return ::rmdir(path.c_str()) == 0;
}

bool RemoveFile(const std::string& path) {
    // Mirror Windows: a file without write permission is read-only and stays.
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return false;
    if (S_ISREG(info.st_mode) && !(info.st_mode & S_IWUSR)) return false;
    return ::unlink(path.c_str()) == 0;
}

}  // namespace platform
