#include "platform/File.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform {

std::optional<File> File::OpenExclusiveForReading(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return File(fd);
}

std::optional<File> File::CreateForWriting(const std::string& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return std::nullopt;
    return File(fd);
}

std::int64_t File::Read(void* buffer, std::size_t count) {
    return ReadUntilFull(buffer, count, [this](char* to, std::size_t, std::size_t wanted) -> std::int64_t {
        for (;;) {
            const ssize_t got = ::read(handle_.Get(), to, wanted);
            if (got >= 0 || errno != EINTR) return got;
        }
    });
}

bool File::Write(const void* buffer, std::size_t count) {
    std::size_t total = 0;
    const auto* bytes = static_cast<const char*>(buffer);
    while (total < count) {
        ssize_t written = ::write(handle_.Get(), bytes + total, count - total);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        total += static_cast<std::size_t>(written);
    }
    return true;
}

bool File::Seek(std::int64_t offset) { return offset >= 0 && ::lseek(handle_.Get(), offset, SEEK_SET) == offset; }

std::int64_t File::Position() const { return ::lseek(handle_.Get(), 0, SEEK_CUR); }

void File::Close() { handle_.Close(); }

bool File::IsOpen() const { return handle_.IsOpen(); }

}  // namespace platform
