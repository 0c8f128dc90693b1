// Stand-ins for what the shell hands a context-menu handler: data objects with
// and without a file list, and a reader for the items of a real menu.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <ostream>
#include <string>
#include <vector>

#include "OmbrixTestSupport.h"

namespace ombrixtest {

enum class DropForm { Ansi, Wide };

// A data object offering the paths as CF_HDROP in global memory (the form the
// shell uses); wide names are converted from the ANSI code page. Each medium it
// hands out is counted when the receiver releases it.
ComPtr<IDataObject> MakeFileListDataObject(const std::vector<std::string>& paths, DropForm form = DropForm::Wide,
                                           int* releasedMedia = nullptr);

// A data object with no file list: GetData answers failure for every format.
ComPtr<IDataObject> MakeDataObjectWithout(HRESULT failure);

struct MenuItem {
    bool separator = false;
    UINT id = 0;
    std::string text;
    bool operator==(const MenuItem&) const = default;
};
MenuItem Separator();
MenuItem Item(UINT id, std::string text);
void PrintTo(const MenuItem& item, std::ostream* out);

std::vector<MenuItem> ReadMenu(HMENU menu);

// A popup menu that destroys itself.
class PopupMenu {
public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu() { DestroyMenu(menu_); }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    HMENU get() const { return menu_; }
    void append(UINT id, const char* text) { AppendMenuA(menu_, MF_STRING, id, text); }

private:
    HMENU menu_;
};

// A handler created through the registry as the shell does, initialised with paths.
ComPtr<IContextMenu> MakeHandler(const std::vector<std::string>& paths);

}  // namespace ombrixtest
