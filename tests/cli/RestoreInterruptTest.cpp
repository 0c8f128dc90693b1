// Ctrl+C, SIGTERM and SIGHUP during a restoration, on the built program: the
// copy in hand is abandoned, the earlier copy of that file stays whole, no
// partly written file stays, and the outcome is a cancel.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "IndexFileWriter.h"
#include "TempDir.h"

extern char** environ;

namespace {

using testsupport::TempDir;

class RestoreInterrupt : public testing::TestWithParam<int> {};

TEST_P(RestoreInterrupt, CancelsTheCopyInHandAndKeepsTheEarlierFile) {
    TempDir dir;
    dir.write("Docs.lxi", indexwriter::BinaryIndex(indexwriter::DocsIndex(false)).bytes());
    dir.write("Docs/a.txt", "a");
    dir.write("Docs/c.txt", "c");
    dir.write("out/b.pipe", "earlier copy");
    // A pipe as a file of the backup: its copy waits for data until the test sends it.
    const std::string pipe = dir.file("Docs/b.pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    const std::string output = dir.file("stdout.txt");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> arguments = {EXTRACTOR_CLI_PATH, "restore", "--to", dir.file("out"), dir.file("Docs.lxi")};
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    ASSERT_EQ(::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);

    // Opening the pipe for writing waits until the copy has opened it for reading.
    const int writer = ::open(pipe.c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::kill(child, GetParam()), 0);
    // Feed the copy slowly until it gives up reading: it tests the cancel flag
    // before each chunk, and the program raises the flag at its next poll.
    const auto previous = ::signal(SIGPIPE, SIG_IGN);
    const std::string chunk(4096, 'p');
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (::write(writer, chunk.data(), chunk.size()) > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::close(writer);
    ::signal(SIGPIPE, previous);

    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 4);
    EXPECT_EQ(dir.read("stdout.txt"), "Operation canceled by user.\n");
    EXPECT_EQ(dir.read("out/a.txt"), "a");
    EXPECT_EQ(dir.read("out/b.pipe"), "earlier copy");
    EXPECT_EQ(dir.names("out"), (std::vector<std::string>{"a.txt", "b.pipe"}));
}

INSTANTIATE_TEST_SUITE_P(Signals, RestoreInterrupt, testing::Values(SIGINT, SIGTERM, SIGHUP),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

}  // namespace
