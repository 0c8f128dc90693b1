#include <fcntl.h>
#include <sys/file.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <vector>

#include "platform/FileCopy.h"

namespace platform {
namespace {

// Large enough for the kernel's copy to run at full speed, small enough that a
// cancel takes effect within a fraction of a second.
constexpr std::size_t kChunkSize = 8u << 20;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool Close() {
        const int fd = Release();
        return fd < 0 || ::close(fd) == 0;
    }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool Cancelled(std::int32_t* flag) { return flag && std::atomic_ref<std::int32_t>(*flag).load() != 0; }

enum class Step { Done, More, Unsupported, Failed };

// One chunk through the fastest route the kernel offers; Unsupported sends the
// caller to the next route before any byte went through this one.
Step CopyRangeChunk(int in, int out, bool& supported) {
    const ssize_t moved = ::copy_file_range(in, nullptr, out, nullptr, kChunkSize, 0);
    if (moved > 0) {
        supported = true;
        return Step::More;
    }
    if (moved == 0) return Step::Done;
    if (errno == EINTR) return Step::More;
    if (!supported && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP || errno == EBADF)) {
        return Step::Unsupported;
    }
    return Step::Failed;
}

Step SendfileChunk(int in, int out, bool& supported) {
    const ssize_t moved = ::sendfile(out, in, nullptr, kChunkSize);
    if (moved > 0) {
        supported = true;
        return Step::More;
    }
    if (moved == 0) return Step::Done;
    if (errno == EINTR) return Step::More;
    if (!supported && (errno == EINVAL || errno == ENOSYS)) return Step::Unsupported;
    return Step::Failed;
}

Step ReadWriteChunk(int in, int out, std::vector<char>& buffer) {
    if (buffer.empty()) buffer.resize(1u << 20);
    const ssize_t got = ::read(in, buffer.data(), buffer.size());
    if (got == 0) return Step::Done;
    if (got < 0) return errno == EINTR ? Step::More : Step::Failed;
    for (ssize_t done = 0; done < got;) {
        const ssize_t written = ::write(out, buffer.data() + done, static_cast<std::size_t>(got - done));
        if (written < 0) {
            if (errno == EINTR) continue;
            return Step::Failed;
        }
        done += written;
    }
    return Step::More;
}

// Copies the data, testing the flag before every chunk. True when all went through.
bool CopyData(int in, int out, std::int32_t* cancelFlag) {
    enum Route { kCopyRange, kSendfile, kReadWrite } route = kCopyRange;
    bool supported = false;
    std::vector<char> buffer;
    for (;;) {
        if (Cancelled(cancelFlag)) return false;
        Step step = route == kCopyRange ? CopyRangeChunk(in, out, supported)
                    : route == kSendfile ? SendfileChunk(in, out, supported)
                                         : ReadWriteChunk(in, out, buffer);
        switch (step) {
            case Step::Done: return true;
            case Step::More: break;
            case Step::Failed: return false;
            case Step::Unsupported:
                route = route == kCopyRange ? kSendfile : kReadWrite;
                supported = false;
                break;
        }
    }
}

// Opens the target for writing, empty. A new file is made with O_EXCL and needs
// no further checks; an existing one must be writable and not locked by another
// process, and is emptied only once both hold. -1 when it cannot be written.
int OpenTarget(const std::string& target, mode_t mode) {
    const int created = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (created >= 0 || errno != EEXIST) return created;
    struct stat targetInfo {};
    if (::stat(target.c_str(), &targetInfo) != 0 || S_ISDIR(targetInfo.st_mode) || !(targetInfo.st_mode & S_IWUSR)) {
        return -1;
    }
    Descriptor existing(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (existing.get() < 0 || ::flock(existing.get(), LOCK_EX | LOCK_NB) != 0) return -1;
    if (::ftruncate(existing.get(), 0) != 0) return -1;  // the earlier file is still whole
    return existing.Release();
}

}  // namespace

bool CopyFileWithCancel(const std::string& source, const std::string& target, std::int32_t* cancelFlag) {
    Descriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return false;
    struct stat sourceInfo {};
    if (::fstat(in.get(), &sourceInfo) != 0 || S_ISDIR(sourceInfo.st_mode)) return false;
    // Someone writing the source holds it locked, as a share mode would on Windows.
    if (::flock(in.get(), LOCK_SH | LOCK_NB) != 0) return false;
    if (Cancelled(cancelFlag)) return false;  // nothing touched yet

    const mode_t mode = (sourceInfo.st_mode & 07777) | S_IWUSR;  // writable while it is written
    Descriptor out(OpenTarget(target, mode));
    if (out.get() < 0) return false;
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    bool copied = CopyData(in.get(), out.get(), cancelFlag);
    if (copied) {
        const timespec times[2] = {sourceInfo.st_atim, sourceInfo.st_mtim};
        ::futimens(out.get(), times);
        // A read-only source makes a read-only copy, as on Windows.
        if (!(sourceInfo.st_mode & S_IWUSR)) ::fchmod(out.get(), sourceInfo.st_mode & 07777);
        copied = out.Close();
    }
    if (!copied) {
        // The target was already replaced when the copy began: what is left of it
        // is a partial file, whether the copy failed or was cancelled.
        out.Close();
        ::unlink(target.c_str());
    }
    return copied;
}

}  // namespace platform
