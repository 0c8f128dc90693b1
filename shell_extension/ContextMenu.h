// CoLumavexContextMenu: the handler the shell creates for each context menu of
// a file or folder selection. It adds the burn commands and, on a choice, hands
// the selection to the burning application through a list file.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "BurnerSettings.h"

namespace ombrix {

class CoLumavexContextMenu final : public IShellExtInit, public IContextMenu {
public:
    // Creates a handler and asks it for riid; the handler is freed when that fails.
    static HRESULT Create(REFIID riid, void** out);

    // IUnknown: the identity is the IShellExtInit part.
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IShellExtInit
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* dataObject, HKEY progIdKey) override;

    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT position, UINT firstId, UINT lastId, UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* invocation) override;
    STDMETHODIMP GetCommandString(UINT_PTR offset, UINT kind, UINT* reserved, CHAR* buffer,
                                  UINT bufferSize) override;

private:
    CoLumavexContextMenu();
    ~CoLumavexContextMenu();

    HRESULT ReadSelection(IDataObject* dataObject);
    HRESULT AddMenuItems(HMENU menu, UINT position, UINT firstId, UINT lastId);
    HRESULT RunCommand(std::size_t command, HWND owner);
    std::string TextOf(const char* key, const char* builtIn) const;

    LONG volatile refCount_ = 0;
    std::vector<std::string> selectedFiles_;
    BurnerSettings burner_;
};

}  // namespace ombrix
