// The console of a command-line program: whether standard error is a
// terminal, and the requests to stop as a flag to poll instead of the end of
// the process, so that work in hand is cancelled and cleaned up first.
#pragma once

namespace platform {

bool StandardErrorIsTerminal();
// The width of standard error's terminal in columns, read anew at each call (it
// follows resizes); 0 when it cannot be told.
unsigned StandardErrorColumns();

// From now on an interrupt sets the flag below and no longer ends the process.
// Interrupts: Ctrl+C, and the other ordinary ways to stop a program: POSIX
// SIGTERM and SIGHUP (a closed terminal, a stopped service); on Windows
// Ctrl+Break and the console being closed, or the user logging off or the
// system shutting down (the system ends the process a few seconds later; until
// then it may finish cleaning up).
void CatchInterrupts();
bool InterruptRequested();

}  // namespace platform
