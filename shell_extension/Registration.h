// Self-registration: the registry entries that make the shell load this server
// as the context-menu handler of every file and folder.
#pragma once

#include <windows.h>

namespace ombrix {

// Writes the entries in order and stops at the first that fails, returning its
// error; earlier entries stay. S_OK when all were written.
HRESULT RegisterServer();

// Removes the entries, going on past failures; returns the first failure's
// error, or S_OK. Entries that are already absent are no failure.
HRESULT UnregisterServer();

}  // namespace ombrix
