// A worker thread that runs one procedure, by default at below-normal priority
// so that the thread serving the user stays responsive during long copies.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

enum class ThreadPriority { BelowNormal, Normal };

class WorkerThread {
public:
    // Starts the procedure on a new thread. Windows: the thread is created
    // suspended, set to its priority and then resumed. POSIX: a thread below
    // normal lowers its own priority before it runs the procedure. Nothing when
    // the thread cannot be created.
    static std::unique_ptr<WorkerThread> Start(std::function<std::uint32_t()> procedure,
                                               ThreadPriority priority = ThreadPriority::BelowNormal);
    // Waits for the thread to end.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // True when the thread has ended within the time.
    bool WaitFor(unsigned milliseconds);
    // Ends a thread that does not end by itself. Windows: forcibly, with the exit
    // code. POSIX has no safe way to stop a thread from outside, so this waits
    // for the procedure to return.
    void Terminate(std::uint32_t exitCode);

private:
    WorkerThread() = default;
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace platform
