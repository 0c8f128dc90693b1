#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "platform/Thread.h"

namespace platform {
namespace {

// Windows' scheduler always runs a higher level first; the Linux scheduler only
// weights by niceness, about 1.25 times per step. Five steps give other threads
// about three times the weight of the worker, close to a level below normal.
constexpr int kBelowNormalNiceIncrement = 5;

void LowerOwnPriority() {
#ifdef __linux__
    // Linux applies a niceness to one thread when given its thread id.
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    errno = 0;
    const int current = ::getpriority(PRIO_PROCESS, tid);
    if (errno == 0) ::setpriority(PRIO_PROCESS, tid, current + kBelowNormalNiceIncrement);
#endif
    // Elsewhere niceness belongs to the whole process: leave it.
}

}  // namespace

struct WorkerThread::State {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::thread thread;
};

std::unique_ptr<WorkerThread> WorkerThread::Start(std::function<std::uint32_t()> procedure, ThreadPriority priority) {
    std::unique_ptr<WorkerThread> worker(new (std::nothrow) WorkerThread());
    if (!worker) return nullptr;
    worker->state_.reset(new (std::nothrow) State());
    if (!worker->state_) return nullptr;
    State* state = worker->state_.get();
    try {
        state->thread = std::thread([state, priority, procedure = std::move(procedure)] {
            if (priority == ThreadPriority::BelowNormal) LowerOwnPriority();
            procedure();
            std::lock_guard<std::mutex> lock(state->mutex);
            state->done = true;
            state->ended.notify_all();
        });
    } catch (const std::system_error&) {
        return nullptr;
    }
    return worker;
}

WorkerThread::~WorkerThread() {
    if (state_ && state_->thread.joinable()) state_->thread.join();
}

bool WorkerThread::WaitFor(unsigned milliseconds) {
    std::unique_lock<std::mutex> lock(state_->mutex);
    return state_->ended.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return state_->done; });
}

void WorkerThread::Terminate(std::uint32_t) {
    if (state_->thread.joinable()) state_->thread.join();
}

}  // namespace platform
