#include <fcntl.h>
#include <sys/file.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <vector>

#include "platform/FileCopy.h"
#include "platform/Path.h"
#include "platform/TemporaryName.h"

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
    void Reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
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

// Holds an existing target locked until it is replaced, so that no other process
// that locks it is writing it meanwhile. It must be a plain file with write
// permission (as on Windows, a read-only file stays, for every user). True when
// nothing is there, or the target is held.
bool HoldExistingTarget(const std::string& target, Descriptor& held) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return errno == ENOENT;
    if (S_ISDIR(info.st_mode) || !(info.st_mode & S_IWUSR)) return false;
    held.Reset(::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    return held.get() >= 0 && ::flock(held.get(), LOCK_EX | LOCK_NB) == 0;
}

// A new file in the target's folder under a temporary name, removed when the
// object goes away unless it has taken the target's place.
class TemporaryFile {
public:
    TemporaryFile(const std::string& target, mode_t mode) : target_(target) {
        const std::string folder = FolderOf(target);
        CreateUnderTemporaryName([&](const std::string& name) {
            path_ = folder + name;
            file_.Reset(::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
            if (file_.get() >= 0) return CreateOutcome::Created;
            path_.clear();
            return errno == EEXIST ? CreateOutcome::NameTaken : CreateOutcome::Failed;
        });
    }
    ~TemporaryFile() {
        file_.Close();
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int get() const { return file_.get(); }
    bool Close() { return file_.Close(); }
    // Renames the closed file over the target.
    bool Replace() {
        if (::rename(path_.c_str(), target_.c_str()) != 0) return false;
        path_.clear();
        return true;
    }

private:
    std::string target_;
    std::string path_;
    Descriptor file_{-1};
};

}  // namespace

bool CopyFileWithCancel(const std::string& source, const std::string& target, std::int32_t* cancelFlag) {
    Descriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return false;
    struct stat sourceInfo {};
    if (::fstat(in.get(), &sourceInfo) != 0 || S_ISDIR(sourceInfo.st_mode)) return false;
    // Someone writing the source holds it locked, as a share mode would on Windows.
    if (::flock(in.get(), LOCK_SH | LOCK_NB) != 0) return false;
    if (Cancelled(cancelFlag)) return false;  // nothing touched yet

    Descriptor held(-1);
    if (!HoldExistingTarget(target, held)) return false;
    TemporaryFile out(target, (sourceInfo.st_mode & 07777) | S_IWUSR);  // writable while it is written
    if (out.get() < 0) return false;
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    // The target is untouched until the copy is whole; a cancel or a failure
    // before that only removes the temporary file.
    if (!CopyData(in.get(), out.get(), cancelFlag)) return false;
    const timespec times[2] = {sourceInfo.st_atim, sourceInfo.st_mtim};
    ::futimens(out.get(), times);
    // A read-only source makes a read-only copy, as on Windows.
    if (!(sourceInfo.st_mode & S_IWUSR)) ::fchmod(out.get(), sourceInfo.st_mode & 07777);
    return out.Close() && out.Replace();
}

}  // namespace platform
