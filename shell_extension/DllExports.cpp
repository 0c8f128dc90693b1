// The DLL's entry point and its four exports (named, ordinals 1 to 4 in the
// module-definition file).
#include <windows.h>
#include <olectl.h>

#include "ClassFactory.h"
#include "ModuleState.h"
#include "Registration.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    // The handle names this file for registration, whatever the file is called.
    if (reason == DLL_PROCESS_ATTACH) {
        ombrix::SetModuleHandle(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() { return ombrix::CanUnload() ? S_OK : S_FALSE; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* out) { return ombrix::GetClassObject(clsid, riid, out); }

STDAPI DllRegisterServer() { return ombrix::RegisterServer(); }

STDAPI DllUnregisterServer() { return ombrix::UnregisterServer(); }
