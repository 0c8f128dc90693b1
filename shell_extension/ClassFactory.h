// The class factory and the table of classes this server creates.
#pragma once

#include <windows.h>

namespace ombrix {

// What DllGetClassObject answers: a new factory for a known class id asked for
// riid, or CLASS_E_CLASSNOTAVAILABLE with a null out pointer.
HRESULT GetClassObject(REFCLSID clsid, REFIID riid, void** out);

}  // namespace ombrix
