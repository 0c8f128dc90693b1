// The Win32 backend: real windows and common controls, a message loop that
// runs the action update rules whenever its queue is empty, real modal loops,
// and the system's message boxes, file dialog, folder browser, drops and
// shell icons. The program's manifest selects common controls version 6.
#pragma once

#include "ui/Backend.h"

#include <memory>

namespace ui {

std::unique_ptr<Backend> CreateWin32Backend();

}  // namespace ui
