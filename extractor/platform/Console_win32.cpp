#include "platform/Console.h"

#include <windows.h>

#include <atomic>

namespace platform {
namespace {

// Set on the thread the system creates for console control events.
std::atomic<bool> interrupted{false};

BOOL WINAPI OnControlEvent(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        interrupted = true;
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

void CatchInterrupts() { SetConsoleCtrlHandler(OnControlEvent, TRUE); }

bool InterruptRequested() { return interrupted; }

}  // namespace platform
