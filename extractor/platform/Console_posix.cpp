#include "platform/Console.h"

#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <initializer_list>

namespace platform {
namespace {

// Written by the signal handler: nothing else may be touched there.
volatile sig_atomic_t interrupted = 0;

void OnInterrupt(int) { interrupted = 1; }

}  // namespace

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

unsigned StandardErrorColumns() {
    struct winsize size {};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0) return 0;
    return size.ws_col;
}

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // system calls in progress go on; the flag is polled
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal that our starter ignores (nohup, a background job) stays ignored.
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

bool InterruptRequested() { return interrupted != 0; }

}  // namespace platform
