#include "ShellFakes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ombrixtest {
namespace {

// Owns a medium's memory; the receiver's ReleaseStgMedium releases this instead
// of freeing the memory itself, which lets a test see the release.
class MediumOwner final : public IUnknown {
public:
    MediumOwner(HGLOBAL memory, int* released) : memory_(memory), released_(released) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (IsEqualIID(riid, IID_IUnknown)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (left == 0) {
            GlobalFree(memory_);
            if (released_ != nullptr) ++*released_;
            delete this;
        }
        return left;
    }

private:
    HGLOBAL memory_;
    int* released_;
    ULONG refs_ = 1;
};

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// DROPFILES header, then each name zero-terminated, then one more zero.
HGLOBAL MakeDropFiles(const std::vector<std::string>& paths, DropForm form) {
    std::string names;
    for (const std::string& path : paths) {
        if (form == DropForm::Wide) {
            const std::wstring wide = Widen(path) + L'\0';
            names.append(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
        } else {
            names += path;
            names += '\0';
        }
    }
    // The list ends with an empty name; an empty list is two zeros all the same.
    const std::size_t zero = form == DropForm::Wide ? sizeof(wchar_t) : 1;
    names.append(paths.empty() ? 2 * zero : zero, '\0');
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = form == DropForm::Wide;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return memory;
}

class FakeDataObject final : public IDataObject {
public:
    FakeDataObject(std::vector<std::string> paths, DropForm form, int* released, HRESULT failure)
        : paths_(std::move(paths)), form_(form), released_(released), failure_(failure) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *out = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (FAILED(failure_)) return failure_;
        if (format->cfFormat != CF_HDROP || (format->tymed & TYMED_HGLOBAL) == 0) return DV_E_FORMATETC;
        HGLOBAL memory = MakeDropFiles(paths_, form_);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = new MediumOwner(memory, released_);
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override {
        return SUCCEEDED(failure_) && format->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::vector<std::string> paths_;
    DropForm form_;
    int* released_;
    HRESULT failure_;
    ULONG refs_ = 1;
};

template <class T>
ComPtr<T> Adopt(T* object) {
    ComPtr<T> owned;
    *owned.put() = object;
    return owned;
}

}  // namespace

ComPtr<IDataObject> MakeFileListDataObject(const std::vector<std::string>& paths, DropForm form, int* releasedMedia) {
    return Adopt<IDataObject>(new FakeDataObject(paths, form, releasedMedia, S_OK));
}

ComPtr<IDataObject> MakeDataObjectWithout(HRESULT failure) {
    return Adopt<IDataObject>(new FakeDataObject({}, DropForm::Wide, nullptr, failure));
}

MenuItem Separator() { return MenuItem{true, 0, ""}; }
MenuItem Item(UINT id, std::string text) { return MenuItem{false, id, std::move(text)}; }

void PrintTo(const MenuItem& item, std::ostream* out) {
    if (item.separator) {
        *out << "separator";
    } else {
        *out << item.id << " \"" << item.text << '"';
    }
}

std::vector<MenuItem> ReadMenu(HMENU menu) {
    std::vector<MenuItem> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        MenuItem item;
        item.separator = (info.fType & MFT_SEPARATOR) != 0;
        if (!item.separator) {
            item.id = info.wID;
            std::string text(info.cch + 1, '\0');
            info.dwTypeData = text.data();
            info.cch = static_cast<UINT>(text.size());
            GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
            text.resize(info.cch);
            item.text = text;
        }
        items.push_back(item);
    }
    return items;
}

ComPtr<IContextMenu> MakeHandler(const std::vector<std::string>& paths) {
    ComPtr<IShellExtInit> init;
    EXPECT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, init.putVoid()), S_OK);
    ComPtr<IContextMenu> menu;
    if (init) {
        ComPtr<IDataObject> data = MakeFileListDataObject(paths);
        EXPECT_EQ(init->Initialize(nullptr, data.get(), nullptr), S_OK);
        EXPECT_EQ(init->QueryInterface(IID_IContextMenu, menu.putVoid()), S_OK);
    }
    return menu;
}

}  // namespace ombrixtest
