#include "platform/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace platform {

std::optional<InputFile> InputFile::Open(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // Archives are read mostly front to back in large pieces.
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return InputFile(fd, static_cast<std::uint64_t>(info.st_size));
}

InputFile::InputFile(InputFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), size_(std::exchange(other.size_, 0)) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, -1);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

InputFile::~InputFile() { Close(); }

std::int64_t InputFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
    std::size_t total = 0;
    auto* bytes = static_cast<char*>(buffer);
    while (total < count) {
        ssize_t got = ::pread(handle_, bytes + total, count - total, static_cast<off_t>(offset + total));
        if (got < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(total);
}

void InputFile::Close() {
    if (handle_ >= 0) ::close(handle_);
    handle_ = -1;
}

}  // namespace platform
