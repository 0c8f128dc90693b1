#include "ModuleState.h"

namespace ombrix {
namespace {

HMODULE g_module = nullptr;
LONG volatile g_objectCount = 0;
LONG volatile g_lockCount = 0;

}  // namespace

void SetModuleHandle(HMODULE module) { g_module = module; }
HMODULE ModuleHandle() { return g_module; }

void ObjectCreated() { InterlockedIncrement(&g_objectCount); }
void ObjectDestroyed() { InterlockedDecrement(&g_objectCount); }

void LockServer(bool lock) {
    if (lock) {
        InterlockedIncrement(&g_lockCount);
    } else {
        InterlockedDecrement(&g_lockCount);
    }
}

bool CanUnload() {
    return InterlockedCompareExchange(&g_lockCount, 0, 0) == 0 &&
           InterlockedCompareExchange(&g_objectCount, 0, 0) == 0;
}

}  // namespace ombrix
