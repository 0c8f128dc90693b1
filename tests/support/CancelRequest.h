// A restoration cancelled the way the Cancel action does it: the stop event
// first, then the flag the worker reads.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/Event.h"

namespace testsupport {

inline void CancelNow(platform::ManualResetEvent& stop, std::int32_t& cancelRequested) {
    stop.Signal();
    std::atomic_ref<std::int32_t>(cancelRequested).store(1);
}

}  // namespace testsupport
