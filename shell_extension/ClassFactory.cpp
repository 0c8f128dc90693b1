#include "ClassFactory.h"

#include "ComSupport.h"
#include "ContextMenu.h"
#include "Identity.h"
#include "ModuleState.h"

namespace ombrix {
namespace {

using CreateFunction = HRESULT (*)(REFIID riid, void** out);

struct ClassEntry {
    const CLSID* clsid;
    CreateFunction create;
};

constexpr ClassEntry kClasses[] = {
    {&kContextMenuClsid, &CoLumavexContextMenu::Create},
};

// Creates objects of one class. Factories are not counted for unloading: a
// client that keeps one across calls holds the server with LockServer.
class ContextMenuClassFactory final : public IClassFactory {
public:
    explicit ContextMenuClassFactory(CreateFunction create) : create_(create) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        static constexpr InterfaceEntry<ContextMenuClassFactory> kInterfaces[] = {
            {&IID_IUnknown, [](ContextMenuClassFactory* self) -> IUnknown* { return self; }},
            {&IID_IClassFactory, [](ContextMenuClassFactory* self) -> IUnknown* { return self; }},
        };
        return QueryInterfaceFromTable(this, kInterfaces, riid, out);
    }

    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refCount_); }

    STDMETHODIMP_(ULONG) Release() override {
        const LONG count = InterlockedDecrement(&refCount_);
        if (count == 0) {
            delete this;
        }
        return count;
    }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        return create_(riid, out);
    }

    STDMETHODIMP LockServer(BOOL lock) override {
        ombrix::LockServer(lock != FALSE);
        return S_OK;
    }

private:
    ~ContextMenuClassFactory() = default;

    CreateFunction create_;
    LONG volatile refCount_ = 0;
};

}  // namespace

HRESULT GetClassObject(REFCLSID clsid, REFIID riid, void** out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    for (const ClassEntry& entry : kClasses) {
        if (IsEqualCLSID(*entry.clsid, clsid)) {
            auto* factory = new (std::nothrow) ContextMenuClassFactory(entry.create);
            if (factory == nullptr) {
                return E_OUTOFMEMORY;
            }
            factory->AddRef();
            const HRESULT result = factory->QueryInterface(riid, out);
            factory->Release();  // frees the factory when the request failed
            return result;
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace ombrix
