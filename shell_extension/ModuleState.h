// Module-wide state that COM's unloading rule needs: the live handler objects,
// the server locks and this DLL's own module handle. Counters change with
// interlocked operations because COM may call DllCanUnloadNow from any thread.
#pragma once

#include <windows.h>

namespace ombrix {

void SetModuleHandle(HMODULE module);
HMODULE ModuleHandle();

void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);

// True when no handler object lives and no lock is held.
bool CanUnload();

}  // namespace ombrix
