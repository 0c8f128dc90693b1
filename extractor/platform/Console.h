// The console of a command-line program: whether standard error is a
// terminal, and the user's interrupt (Ctrl+C) as a flag to poll instead of
// the end of the process.
#pragma once

namespace platform {

bool StandardErrorIsTerminal();

// From now on an interrupt sets the flag below and no longer ends the process.
void CatchInterrupts();
bool InterruptRequested();

}  // namespace platform
