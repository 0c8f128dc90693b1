#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

namespace platform {

EntryKind KindOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return EntryKind::None;
    if (S_ISLNK(info.st_mode)) return EntryKind::Link;
    return S_ISDIR(info.st_mode) ? EntryKind::Folder : EntryKind::File;
}

std::optional<EntryFacts> FactsOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return std::nullopt;
    EntryFacts facts;
    if (S_ISREG(info.st_mode)) facts.size = static_cast<std::uint64_t>(info.st_size);
    std::tm local{};
    if (::localtime_r(&info.st_mtim.tv_sec, &local)) {
        facts.modified = CalendarTime{static_cast<std::uint16_t>(local.tm_year + 1900),
                                      static_cast<std::uint16_t>(local.tm_mon + 1),
                                      static_cast<std::uint16_t>(local.tm_mday),
                                      static_cast<std::uint16_t>(local.tm_hour),
                                      static_cast<std::uint16_t>(local.tm_min),
                                      static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec),
                                      static_cast<std::uint16_t>(info.st_mtim.tv_nsec / 1000000)};
        if (!IsValidCalendarTime(*facts.modified)) facts.modified.reset();  // years beyond 9999, before 1
    }
    return facts;
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
