// A manual-reset event: once signalled it stays signalled until reset. Tested
// without waiting, from any thread.
#pragma once

#include <memory>

namespace platform {

class ManualResetEvent {
public:
    // A new event, not signalled; nothing when the system cannot create one.
    static std::unique_ptr<ManualResetEvent> Create();
    ~ManualResetEvent();
    ManualResetEvent(const ManualResetEvent&) = delete;
    ManualResetEvent& operator=(const ManualResetEvent&) = delete;

    void Signal();
    void Reset();
    // Returns at once.
    bool IsSignalled() const;

private:
    ManualResetEvent() = default;
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace platform
