#include "platform/FileSystem.h"

#include <windows.h>

namespace platform {

EntryKind KindOf(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::None;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

std::optional<EntryFacts> FactsOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    EntryFacts facts;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        facts.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    }
    SYSTEMTIME utc, local;
    if (FileTimeToSystemTime(&data.ftLastWriteTime, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        facts.modified = CalendarTime{local.wYear, local.wMonth, local.wDay, local.wHour,
                                      local.wMinute, local.wSecond, local.wMilliseconds};
    }
    return facts;
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool RemoveEmptyFolder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

}  // namespace platform
