#include <windows.h>

#include <new>

#include "platform/Thread.h"

namespace platform {

struct WorkerThread::State {
    std::function<std::uint32_t()> procedure;
    HANDLE handle = nullptr;
    ~State() {
        if (handle) CloseHandle(handle);
    }
};

namespace {

DWORD WINAPI RunProcedure(LPVOID parameter) {
    auto* procedure = static_cast<std::function<std::uint32_t()>*>(parameter);
    return (*procedure)();
}

}  // namespace

std::unique_ptr<WorkerThread> WorkerThread::Start(std::function<std::uint32_t()> procedure, ThreadPriority priority) {
    std::unique_ptr<WorkerThread> worker(new (std::nothrow) WorkerThread());
    if (!worker) return nullptr;
    worker->state_.reset(new (std::nothrow) State());
    if (!worker->state_) return nullptr;
    State* state = worker->state_.get();
    state->procedure = std::move(procedure);
    DWORD id = 0;
    state->handle = CreateThread(nullptr, 0, RunProcedure, &state->procedure, CREATE_SUSPENDED, &id);
    if (!state->handle) return nullptr;
    SetThreadPriority(state->handle, priority == ThreadPriority::BelowNormal ? THREAD_PRIORITY_BELOW_NORMAL
                                                                           : THREAD_PRIORITY_NORMAL);
    ResumeThread(state->handle);
    return worker;
}

WorkerThread::~WorkerThread() {
    if (state_ && state_->handle) WaitForSingleObject(state_->handle, INFINITE);
}

bool WorkerThread::WaitFor(unsigned milliseconds) {
    return WaitForSingleObject(state_->handle, milliseconds) == WAIT_OBJECT_0;
}

void WorkerThread::Terminate(std::uint32_t exitCode) {
    TerminateThread(state_->handle, exitCode);
    WaitForSingleObject(state_->handle, INFINITE);
}

}  // namespace platform
