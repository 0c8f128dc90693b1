// Small helpers shared by the COM classes: table-driven QueryInterface and a
// guard that keeps C++ exceptions from crossing a COM boundary.
#pragma once

#include <windows.h>

#include <new>

namespace ombrix {

// One interface an object answers: its id and how to reach that part of the object.
template <class Object>
struct InterfaceEntry {
    const IID* iid;
    IUnknown* (*part)(Object* self);
};

// Answers riid from the table, adding one reference; otherwise a null out
// pointer and E_NOINTERFACE, whatever the caller passed in.
template <class Object, size_t N>
HRESULT QueryInterfaceFromTable(Object* self, const InterfaceEntry<Object> (&table)[N], REFIID riid,
                                void** out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    for (const InterfaceEntry<Object>& entry : table) {
        if (IsEqualIID(*entry.iid, riid)) {
            IUnknown* part = entry.part(self);
            part->AddRef();
            *out = part;
            return S_OK;
        }
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

// Runs body, turning an escaping exception into a COM result.
template <class Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace ombrix
