#include "Win32Probe.h"

#include "ui/win32/Win32Handles.h"

#include <commctrl.h>

#include <stdexcept>

namespace uitest::win32 {
namespace {

HWND Require(const ui::TControl& control) {
    HWND hwnd = ui::win32::HandleOf(control);
    if (!hwnd) throw std::logic_error(control.Name() + " has no window");
    return hwnd;
}

LOGFONTA FontOf(const ui::TControl& control) {
    LOGFONTA font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageA(Require(control), WM_GETFONT, 0, 0));
    if (handle) GetObjectA(handle, sizeof font, &font);
    return font;
}

int PixelsPerInch() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi;
}

thread_local MessageBoxWatcher* tCurrentWatcher = nullptr;

}  // namespace

std::string Text(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string Text(const ui::TControl& control) { return Text(Require(control)); }

bool Enabled(const ui::TControl& control) { return IsWindowEnabled(Require(control)) != FALSE; }

bool Checked(const ui::TControl& control) {
    return SendMessageA(Require(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string ListColumnCaption(const ui::TListView& list, int column) {
    char text[256] = {};
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    SendMessageA(Require(list), LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    return text;
}

int ListColumnWidth(const ui::TListView& list, int column) {
    return static_cast<int>(SendMessageA(Require(list), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

int ListItemCount(const ui::TListView& list) {
    return static_cast<int>(SendMessageA(Require(list), LVM_GETITEMCOUNT, 0, 0));
}

std::string ListItemText(const ui::TListView& list, int item, int subItem) {
    char text[1024] = {};
    LVITEMA info{};
    info.iSubItem = subItem;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    SendMessageA(Require(list), LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
    return text;
}

bool ListItemSelected(const ui::TListView& list, int item) {
    return SendMessageA(Require(list), LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_SELECTED) & LVIS_SELECTED;
}

namespace {

std::string TreeItemText(HWND tree, HTREEITEM item) {
    char text[1024] = {};
    TVITEMA info{};
    info.mask = TVIF_HANDLE | TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

void CollectTree(HWND tree, HTREEITEM item, std::vector<std::string>& texts) {
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        texts.push_back(TreeItemText(tree, item));
        CollectTree(tree,
                    reinterpret_cast<HTREEITEM>(
                        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item))),
                    texts);
    }
}

}  // namespace

std::vector<std::string> TreeTexts(const ui::TTreeView& tree) {
    HWND hwnd = Require(tree);
    std::vector<std::string> texts;
    CollectTree(hwnd, reinterpret_cast<HTREEITEM>(SendMessageA(hwnd, TVM_GETNEXTITEM, TVGN_ROOT, 0)), texts);
    return texts;
}

std::string TreeSelectedText(const ui::TTreeView& tree) {
    HWND hwnd = Require(tree);
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(hwnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
    return item ? TreeItemText(hwnd, item) : std::string();
}

std::string MenuItemText(const ui::TMenuItem& item) {
    HMENU menu;
    UINT position;
    if (!ui::win32::MenuPlaceOf(item, menu, position)) throw std::logic_error(item.Name() + " is not on a menu");
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

bool MenuItemEnabled(const ui::TMenuItem& item) {
    HMENU menu;
    UINT position;
    if (!ui::win32::MenuPlaceOf(item, menu, position)) throw std::logic_error(item.Name() + " is not on a menu");
    return (GetMenuState(menu, position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0;
}

int FontPointSize(const ui::TControl& control) {
    const LOGFONTA font = FontOf(control);
    return MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, PixelsPerInch());
}

std::string FontName(const ui::TControl& control) { return FontOf(control).lfFaceName; }

int FontCharset(const ui::TControl& control) { return FontOf(control).lfCharSet; }

std::string HintText(const ui::TControl& control) {
    const ui::TForm* form = control.ParentForm();
    HWND tip = form ? ui::win32::ToolTipOf(*form) : nullptr;
    if (!tip) return {};
    char text[512] = {};
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.hwnd = ui::win32::HandleOf(*form);
    info.uId = reinterpret_cast<UINT_PTR>(Require(control));
    info.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

bool CommonControlsFromManifest() {
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    return FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, "comctl32.dll", &data) !=
           FALSE;
}

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (!condition()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// --- MessageBoxWatcher ---

MessageBoxWatcher::MessageBoxWatcher(int answer) : answer_(answer) {
    tCurrentWatcher = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
    if (hook_) UnhookWindowsHookEx(hook_);
    tCurrentWatcher = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    MessageBoxWatcher* self = tCurrentWatcher;
    if (code == HCBT_ACTIVATE && self) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[32] = {};
        GetClassNameA(box, className, sizeof className);
        if (std::string(className) == "#32770") {  // the dialog class of message boxes
            Box seen;
            char text[1024] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's text control
            seen.text = text;
            seen.caption = Text(box);
            seen.owner = GetWindow(box, GW_OWNER);
            self->boxes_.push_back(seen);
            PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(self->answer_), 0);
        }
    }
    return CallNextHookEx(self ? self->hook_ : nullptr, code, wParam, lParam);
}

}  // namespace uitest::win32
