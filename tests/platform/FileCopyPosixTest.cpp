// A cancel or a failure in the middle of a copy, made deterministic with a pipe
// as the source and a file size limit as a disk that fills up.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "platform/FileCopy.h"

namespace {

using testsupport::TempDir;
using Names = std::vector<std::string>;

// Feeds the pipe with `before` bytes, waits until the copy has read them all,
// raises the cancel flag and feeds more until the copy stops reading.
void FeedThenCancel(const std::string& fifo, std::size_t before, std::int32_t& cancel) {
    const int fd = ::open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    const std::string chunk(4096, 'z');
    for (std::size_t sent = 0; sent < before; sent += chunk.size()) {
        ASSERT_EQ(::write(fd, chunk.data(), chunk.size()), static_cast<ssize_t>(chunk.size()));
    }
    for (int unread = 1; ::ioctl(fd, FIONREAD, &unread) == 0 && unread > 0;) std::this_thread::yield();
    std::atomic_ref<std::int32_t>(cancel).store(1);
    const auto previous = ::signal(SIGPIPE, SIG_IGN);
    while (::write(fd, chunk.data(), chunk.size()) > 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ::signal(SIGPIPE, previous);
    ::close(fd);
}

struct CancelCase {
    std::size_t before;  // bytes the copy reads before the cancel
    bool earlierCopy;    // a file is at the target already
};

class CancelPoint : public testing::TestWithParam<CancelCase> {};

TEST_P(CancelPoint, LeavesTheTargetAsItWasAndNoPartlyWrittenFile) {
    const CancelCase& c = GetParam();
    TempDir dir;
    const std::string fifo = dir.file("source.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string good(100000, 'g');
    if (c.earlierCopy) dir.write("target", good);
    std::int32_t cancel = 0;

    std::thread writer([&] { FeedThenCancel(fifo, c.before, cancel); });
    EXPECT_FALSE(platform::CopyFileWithCancel(fifo, dir.file("target"), &cancel));
    writer.join();
    if (c.earlierCopy) {
        EXPECT_EQ(dir.read("target"), good);
        EXPECT_EQ(dir.names(), (Names{"source.fifo", "target"}));
    } else {
        EXPECT_EQ(dir.names(), Names{"source.fifo"});
    }
}

// Bytes read before the cancel: none, less than a chunk of the copy, several chunks.
INSTANTIATE_TEST_SUITE_P(Points, CancelPoint,
                         testing::Values(CancelCase{0, true}, CancelCase{4096, true}, CancelCase{3 << 20, true},
                                         CancelCase{4096, false}),
                         [](const auto& info) {
                             return "After" + std::to_string(info.param.before) +
                                    (info.param.earlierCopy ? "OverACopy" : "OverNothing");
                         });

TEST(FileCopyPosix, AFullDiskInTheMiddleKeepsTheEarlierCopy) {
    TempDir dir;
    dir.write("source", std::string(3 << 20, 's'));
    dir.write("target", "good old copy");
    std::int32_t cancel = 0;
    {
        testsupport::FileSizeLimit full(1 << 20);
        ASSERT_TRUE(full.Active());
        EXPECT_FALSE(platform::CopyFileWithCancel(dir.file("source"), dir.file("target"), &cancel));
    }
    EXPECT_EQ(dir.read("target"), "good old copy");
    EXPECT_EQ(dir.names(), (Names{"source", "target"}));
}

}  // namespace
