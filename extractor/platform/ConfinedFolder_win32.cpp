#include "platform/ConfinedFolder.h"

#include <windows.h>

#include <utility>

#include "platform/TemporaryName.h"

namespace platform {
namespace {

constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// Where the levels of a path that can be created begin: after "X:\" or
// "\\server\share\", and after a leading "\".
std::size_t FirstCreatableLevel(const std::string& path) {
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        std::size_t server = path.find('\\', 2);
        if (server == std::string::npos) return path.size();
        std::size_t share = path.find('\\', server + 1);
        return share == std::string::npos ? path.size() : share + 1;
    }
    if (path.size() >= 2 && path[1] == ':') return path.size() >= 3 && path[2] == '\\' ? 3 : 2;
    return path.size() >= 1 && path[0] == '\\' ? 1 : 0;
}

// Creates every missing level of a folder path given by the caller.
bool MakeFolderLevels(const std::string& path) {
    for (std::size_t cut = path.find('\\', FirstCreatableLevel(path)); cut != std::string::npos;
         cut = path.find('\\', cut + 1)) {
        const std::string level = path.substr(0, cut);
        if (!CreateDirectoryA(level.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

std::optional<ConfinedFolder> ConfinedFolder::Open(const std::string& base, const std::vector<std::string>& levels,
                                                   bool createMissing, TargetError& error) {
    error = TargetError::None;
    if (!base.empty()) {
        DWORD attributes = GetFileAttributesA(base.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES && IsMissing(GetLastError()) && createMissing) {
            if (!MakeFolderLevels(base)) {
                error = TargetError::CannotCreateFolder;
                return std::nullopt;
            }
            attributes = GetFileAttributesA(base.c_str());
        }
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            error = TargetError::NoSuchFolder;
            return std::nullopt;
        }
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            error = TargetError::NotAFolder;
            return std::nullopt;
        }
    }
    std::string path = base;
    if (!path.empty() && path.back() != '\\') path += '\\';

    // Each level is checked before it is used; a reparse point (symbolic
    // link, junction, mount point) below the base is never entered.
    for (const std::string& level : levels) {
        path += level;
        DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            if (!IsMissing(GetLastError()) || !createMissing) {
                error = TargetError::NoSuchFolder;
                return std::nullopt;
            }
            if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
                error = TargetError::CannotCreateFolder;
                return std::nullopt;
            }
            attributes = GetFileAttributesA(path.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES) {
                error = TargetError::CannotCreateFolder;
                return std::nullopt;
            }
        }
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            error = TargetError::LinkInPath;
            return std::nullopt;
        }
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            error = TargetError::NotAFolder;
            return std::nullopt;
        }
        path += '\\';
    }
    return ConfinedFolder(std::move(path));
}

ConfinedFolder::ConfinedFolder(ConfinedFolder&& other) noexcept : path_(std::move(other.path_)) {}

ConfinedFolder& ConfinedFolder::operator=(ConfinedFolder&& other) noexcept {
    path_ = std::move(other.path_);
    return *this;
}

ConfinedFolder::~ConfinedFolder() = default;

std::optional<OutputFile> ConfinedFolder::CreateOutputFile(const std::string& name, TargetError& error) {
    error = TargetError::None;
    std::string path = path_ + name;
    const DWORD existing = GetFileAttributesA(path.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES) {
        if (existing & FILE_ATTRIBUTE_REPARSE_POINT) {
            error = TargetError::LinkInPath;
            return std::nullopt;
        }
        // The system refuses to replace a read-only file, except under emulators that
        // run with a privileged user's rights; make the rule hold everywhere.
        if (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
            error = TargetError::CannotCreateFile;
            return std::nullopt;
        }
    }
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::string temporaryPath;
    const auto temporary = CreateUnderTemporaryName([&](const std::string& candidate) {
        temporaryPath = path_ + candidate;
        handle = CreateFileA(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (handle != INVALID_HANDLE_VALUE) return CreateOutcome::Created;
        const DWORD failure = GetLastError();
        return failure == ERROR_FILE_EXISTS || failure == ERROR_ALREADY_EXISTS ? CreateOutcome::NameTaken
                                                                                : CreateOutcome::Failed;
    });
    if (!temporary) {
        error = TargetError::CannotCreateFile;
        return std::nullopt;
    }
    return OutputFile(handle, std::move(temporaryPath), std::move(path));
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : temporaryPath_(std::move(other.temporaryPath_)),
      handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)),
      path_(std::move(other.path_)) {}

OutputFile::~OutputFile() { Discard(); }

bool OutputFile::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
        DWORD written = 0;
        if (!WriteFile(handle_, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

bool OutputFile::Finish(const std::optional<CalendarTime>& lastWrite, const StoredAttributes& attributes,
                        Placement placement) {
    if (lastWrite) {
        SYSTEMTIME local{};
        local.wYear = static_cast<WORD>(lastWrite->year);
        local.wMonth = static_cast<WORD>(lastWrite->month);
        local.wDay = static_cast<WORD>(lastWrite->day);
        local.wHour = static_cast<WORD>(lastWrite->hour);
        local.wMinute = static_cast<WORD>(lastWrite->minute);
        local.wSecond = static_cast<WORD>(lastWrite->second);
        FILETIME localTime{}, utc{};
        if (SystemTimeToFileTime(&local, &localTime) && LocalFileTimeToFileTime(&localTime, &utc))
            SetFileTime(handle_, nullptr, nullptr, &utc);
    }
    HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    if (!::CloseHandle(handle)) {
        DeleteFileA(temporaryPath_.c_str());
        return false;
    }
    const DWORD flags = placement == Placement::ReplaceExisting ? MOVEFILE_REPLACE_EXISTING : 0;
    if (!MoveFileExA(temporaryPath_.c_str(), path_.c_str(), flags)) {
        const DWORD failure = GetLastError();
        DeleteFileA(temporaryPath_.c_str());
        // Kept what was there, as asked; anything else (a locked target) is a failure.
        return placement == Placement::KeepExisting &&
               (failure == ERROR_ALREADY_EXISTS || failure == ERROR_FILE_EXISTS);
    }
    // Attributes last: a read-only temporary file could not have been deleted above.
    const DWORD wanted = attributes.dosAttributes & kKeptAttributes;
    SetFileAttributesA(path_.c_str(), wanted ? wanted : FILE_ATTRIBUTE_NORMAL);
    return true;
}

void OutputFile::Discard() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    CloseQuietly();
    DeleteFileA(temporaryPath_.c_str());
}

void OutputFile::CloseQuietly() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace platform
