#include <atomic>
#include <new>

#include "platform/Event.h"

namespace platform {

struct ManualResetEvent::State {
    std::atomic<bool> signalled{false};
};

std::unique_ptr<ManualResetEvent> ManualResetEvent::Create() {
    std::unique_ptr<ManualResetEvent> event(new (std::nothrow) ManualResetEvent());
    if (!event) return nullptr;
    event->state_.reset(new (std::nothrow) State());
    if (!event->state_) return nullptr;
    return event;
}

ManualResetEvent::~ManualResetEvent() = default;

void ManualResetEvent::Signal() { state_->signalled.store(true, std::memory_order_release); }
void ManualResetEvent::Reset() { state_->signalled.store(false, std::memory_order_release); }
bool ManualResetEvent::IsSignalled() const { return state_->signalled.load(std::memory_order_acquire); }

}  // namespace platform
