#include <windows.h>

#include <new>

#include "platform/Event.h"

namespace platform {

struct ManualResetEvent::State {
    HANDLE handle = nullptr;
    ~State() {
        if (handle) CloseHandle(handle);
    }
};

std::unique_ptr<ManualResetEvent> ManualResetEvent::Create() {
    std::unique_ptr<ManualResetEvent> event(new (std::nothrow) ManualResetEvent());
    if (!event) return nullptr;
    event->state_.reset(new (std::nothrow) State());
    if (!event->state_) return nullptr;
    event->state_->handle = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!event->state_->handle) return nullptr;
    return event;
}

ManualResetEvent::~ManualResetEvent() = default;

void ManualResetEvent::Signal() { SetEvent(state_->handle); }
void ManualResetEvent::Reset() { ResetEvent(state_->handle); }
bool ManualResetEvent::IsSignalled() const { return WaitForSingleObject(state_->handle, 0) == WAIT_OBJECT_0; }

}  // namespace platform
