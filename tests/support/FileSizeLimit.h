// A disk that fills up in the middle of a file, for POSIX tests: while the
// object lives, no file of this process may grow beyond the limit, and a write
// beyond it fails (EFBIG) instead of raising SIGXFSZ.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <cstdint>

namespace testsupport {

class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

}  // namespace testsupport
