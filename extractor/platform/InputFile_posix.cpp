#include "platform/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

std::int64_t InputFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
    return ReadUntilFull(buffer, count, [&](char* to, std::size_t done, std::size_t wanted) -> std::int64_t {
        for (;;) {
            const ssize_t got = ::pread(handle_.Get(), to, wanted, static_cast<off_t>(offset + done));
            if (got >= 0 || errno != EINTR) return got;
        }
    });
}

}  // namespace platform
