// A cancel in the middle of a copy, made deterministic with a pipe as the source.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <thread>

#include "TempDir.h"
#include "platform/FileCopy.h"

namespace {

using testsupport::TempDir;

TEST(FileCopyPosix, CancelInTheMiddleDeletesThePartlyWrittenTarget) {
    TempDir dir;
    const std::string fifo = dir.file("source.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::int32_t cancel = 0;

    std::thread writer([&] {
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        const std::string chunk(4096, 'z');
        ASSERT_EQ(::write(fd, chunk.data(), chunk.size()), static_cast<ssize_t>(chunk.size()));
        // Wait until the first bytes are in the target, then cancel and keep feeding.
        struct stat info {};
        while (::stat(dir.file("target").c_str(), &info) != 0 || info.st_size == 0) std::this_thread::yield();
        std::atomic_ref<std::int32_t>(cancel).store(1);
        (void)!::write(fd, chunk.data(), chunk.size());
        ::close(fd);
    });
    EXPECT_FALSE(platform::CopyFileWithCancel(fifo, dir.file("target"), &cancel));
    writer.join();
    EXPECT_FALSE(dir.exists("target"));
}

}  // namespace
