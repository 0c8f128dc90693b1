#include "platform/ConfinedFolder.h"

#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <utility>

#include "platform/TemporaryName.h"

namespace platform {
namespace {

// Creates every missing level of a folder path given by the caller (links
// followed: the caller chose this path).
bool MakeFolderLevels(const std::string& path) {
    for (std::size_t cut = path.find('/', 1); cut != std::string::npos; cut = path.find('/', cut + 1)) {
        const std::string level = path.substr(0, cut);
        if (::mkdir(level.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    return ::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}

int OpenFolder(const char* path) { return ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC); }

int OpenLevel(int parent, const std::string& name) {
    return ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Why a name in a folder could not be opened or created as wanted.
TargetError Classify(int parent, const std::string& name, int openError, TargetError otherwise) {
    struct stat info {};
    if (::fstatat(parent, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(info.st_mode)) return TargetError::LinkInPath;
        if (!S_ISDIR(info.st_mode)) return TargetError::NotAFolder;
        return otherwise;
    }
    return openError == ENOENT ? TargetError::NoSuchFolder : otherwise;
}

}  // namespace

std::optional<ConfinedFolder> ConfinedFolder::Open(const std::string& base, const std::vector<std::string>& levels,
                                                   bool createMissing, TargetError& error) {
    error = TargetError::None;
    int handle = OpenFolder(base.empty() ? "." : base.c_str());
    if (handle < 0 && errno == ENOENT && createMissing) {
        if (!MakeFolderLevels(base)) {
            error = TargetError::CannotCreateFolder;
            return std::nullopt;
        }
        handle = OpenFolder(base.c_str());
    }
    if (handle < 0) {
        error = errno == ENOTDIR ? TargetError::NotAFolder : TargetError::NoSuchFolder;
        return std::nullopt;
    }
    std::string path = base;
    if (!path.empty() && path.back() != '/') path += '/';

    for (const std::string& level : levels) {
        int next = OpenLevel(handle, level);
        int openError = next < 0 ? errno : 0;
        if (next < 0 && openError == ENOENT && createMissing) {
            if (::mkdirat(handle, level.c_str(), 0777) != 0 && errno != EEXIST) {
                error = TargetError::CannotCreateFolder;
                ::close(handle);
                return std::nullopt;
            }
            next = OpenLevel(handle, level);
            openError = next < 0 ? errno : 0;
        }
        if (next < 0) {
            error = Classify(handle, level, openError, TargetError::CannotCreateFolder);
            ::close(handle);
            return std::nullopt;
        }
        ::close(handle);
        handle = next;
        path += level;
        path += '/';
    }
    return ConfinedFolder(handle, std::move(path));
}

ConfinedFolder::ConfinedFolder(ConfinedFolder&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), path_(std::move(other.path_)) {}

ConfinedFolder& ConfinedFolder::operator=(ConfinedFolder&& other) noexcept {
    if (this != &other) {
        if (handle_ >= 0) ::close(handle_);
        handle_ = std::exchange(other.handle_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

ConfinedFolder::~ConfinedFolder() {
    if (handle_ >= 0) ::close(handle_);
}

std::optional<OutputFile> ConfinedFolder::CreateOutputFile(const std::string& name, TargetError& error) {
    error = TargetError::None;
    struct stat info {};
    std::optional<mode_t> existingMode;
    if (::fstatat(handle_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(info.st_mode)) {
            error = TargetError::LinkInPath;
            return std::nullopt;
        }
        if (S_ISDIR(info.st_mode)) {
            error = TargetError::CannotCreateFile;
            return std::nullopt;
        }
        if (!S_ISREG(info.st_mode)) {
            error = TargetError::NotARegularFile;
            return std::nullopt;
        }
        // As on Windows, a file without write permission is read-only and stays.
        if (!(info.st_mode & S_IWUSR)) {
            error = TargetError::CannotCreateFile;
            return std::nullopt;
        }
        existingMode = info.st_mode & 07777;
    }
    int file = -1;
    const auto temporary = CreateUnderTemporaryName([&](const std::string& candidate) {
        // O_EXCL never opens what is there, link or not.
        file = ::openat(handle_, candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file >= 0) return CreateOutcome::Created;
        return errno == EEXIST ? CreateOutcome::NameTaken : CreateOutcome::Failed;
    });
    if (!temporary) {
        error = TargetError::CannotCreateFile;
        return std::nullopt;
    }
    // The replacement keeps the permissions of the file it replaces unless the archive gives its own.
    if (existingMode) ::fchmod(file, *existingMode);
    return OutputFile(file, handle_, *temporary, name, path_ + name);
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : folder_(other.folder_),
      temporaryName_(std::move(other.temporaryName_)),
      name_(std::move(other.name_)),
      handle_(std::exchange(other.handle_, -1)),
      path_(std::move(other.path_)) {}

OutputFile::~OutputFile() { Discard(); }

bool OutputFile::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(handle_, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

namespace {

// Renames only when nothing is at the target. Where the file system cannot
// rename that way, a hard link does the same, also atomically.
bool RenameWithoutReplacing(int folder, const std::string& from, const std::string& to, bool& targetThere) {
    targetThere = false;
    if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) {
        targetThere = true;
        return false;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0) {
        targetThere = errno == EEXIST;
        return false;
    }
    ::unlinkat(folder, from.c_str(), 0);
    return true;
}

}  // namespace

bool OutputFile::Finish(const std::optional<CalendarTime>& lastWrite, const StoredAttributes& attributes,
                        Placement placement) {
    if (attributes.unixMode) ::fchmod(handle_, *attributes.unixMode & 0777);
    if (lastWrite) {
        std::tm local{};
        local.tm_year = lastWrite->year - 1900;
        local.tm_mon = lastWrite->month - 1;
        local.tm_mday = lastWrite->day;
        local.tm_hour = lastWrite->hour;
        local.tm_min = lastWrite->minute;
        local.tm_sec = lastWrite->second;
        local.tm_isdst = -1;
        const std::time_t when = std::mktime(&local);
        if (when != static_cast<std::time_t>(-1)) {
            const struct timespec times[2] = {{0, UTIME_OMIT}, {when, 0}};
            ::futimens(handle_, times);
        }
    }
    const int handle = std::exchange(handle_, -1);
    bool renamed = false, done = false;
    if (::close(handle) == 0) {
        if (placement == Placement::ReplaceExisting) {
            renamed = ::renameat(folder_, temporaryName_.c_str(), folder_, name_.c_str()) == 0;
            done = renamed;
        } else {
            bool targetThere = false;
            renamed = RenameWithoutReplacing(folder_, temporaryName_, name_, targetThere);
            done = renamed || targetThere;
        }
    }
    if (!renamed) ::unlinkat(folder_, temporaryName_.c_str(), 0);
    return done;
}

void OutputFile::Discard() {
    if (handle_ < 0) return;
    CloseQuietly();
    ::unlinkat(folder_, temporaryName_.c_str(), 0);
}

void OutputFile::CloseQuietly() {
    if (handle_ >= 0) ::close(handle_);
    handle_ = -1;
}

}  // namespace platform
