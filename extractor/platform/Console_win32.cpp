#include "platform/Console.h"

#include <windows.h>

#include <atomic>

namespace platform {
namespace {

// Set on the thread the system creates for console control events.
std::atomic<bool> interrupted{false};

// How long a closing console lets us clean up at most: the system ends the
// process itself after a few seconds.
constexpr DWORD kCloseGraceMilliseconds = 10000;

BOOL WINAPI OnControlEvent(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT: interrupted = true; return TRUE;
        case CTRL_CLOSE_EVENT:
        case CTRL_LOGOFF_EVENT:
        case CTRL_SHUTDOWN_EVENT:
            // Returning would end the process at once; waiting here lets the
            // program cancel and clean up, and its exit ends this thread.
            interrupted = true;
            Sleep(kCloseGraceMilliseconds);
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

unsigned StandardErrorColumns() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info)) return 0;
    return static_cast<unsigned>(info.srWindow.Right - info.srWindow.Left + 1);
}

void CatchInterrupts() { SetConsoleCtrlHandler(OnControlEvent, TRUE); }

bool InterruptRequested() { return interrupted; }

}  // namespace platform
