#include <gtest/gtest.h>

#include <atomic>

#include "platform/Event.h"
#include "platform/Thread.h"

namespace {

TEST(ManualResetEvent, StaysSignalledUntilReset) {
    auto event = platform::ManualResetEvent::Create();
    ASSERT_TRUE(event);
    EXPECT_FALSE(event->IsSignalled());
    event->Signal();
    EXPECT_TRUE(event->IsSignalled());
    EXPECT_TRUE(event->IsSignalled());  // a test does not consume it
    event->Reset();
    EXPECT_FALSE(event->IsSignalled());
}

TEST(WorkerThread, RunsTheProcedureAndCanBeAwaited) {
    auto gate = platform::ManualResetEvent::Create();
    std::atomic<int> runs{0};
    auto worker = platform::WorkerThread::Start([&] {
        while (!gate->IsSignalled()) {
        }
        ++runs;
        return 7u;
    });
    ASSERT_TRUE(worker);
    EXPECT_FALSE(worker->WaitFor(0));
    gate->Signal();
    EXPECT_TRUE(worker->WaitFor(60000));
    EXPECT_EQ(runs.load(), 1);
}

}  // namespace
