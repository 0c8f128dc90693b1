#include "ui/win32/Win32Backend.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/StdControls.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/Win32Handles.h"
#include "ui/win32/WindowPeer.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <vector>

namespace ui {
namespace win32 {
namespace {

constexpr std::size_t kPathBuffer = 4096;

TShortCut ShortCutOf(WPARAM key) {
    TShortCut shortCut = static_cast<TShortCut>(key & 0xFF);
    if (GetKeyState(VK_SHIFT) < 0) shortCut |= scShift;
    if (GetKeyState(VK_CONTROL) < 0) shortCut |= scCtrl;
    if (GetKeyState(VK_MENU) < 0) shortCut |= scAlt;
    return shortCut;
}

// A multi-line edit takes Enter itself.
bool WantsReturn(HWND focus) {
    char className[16] = {};
    GetClassNameA(focus, className, sizeof className);
    return lstrcmpiA(className, "EDIT") == 0 && (GetWindowLongPtrA(focus, GWL_STYLE) & ES_WANTRETURN);
}

// Enables the browser's OK button only for a local file-system folder.
int CALLBACK BrowseCallback(HWND hwnd, UINT message, LPARAM lParam, LPARAM) {
    if (message == BFFM_SELCHANGED) {
        char path[MAX_PATH + 1] = {};
        const bool hasPath = SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path) != FALSE;
        SendMessageA(hwnd, BFFM_ENABLEOK, 0, hasPath && FolderBrowserAccepts(path) ? TRUE : FALSE);
    }
    return 0;
}

// Releases an item identifier through the shell's allocator.
struct ItemIdList {
    PIDLIST_ABSOLUTE pidl;
    ~ItemIdList() {
        if (pidl) CoTaskMemFree(pidl);
    }
};

struct IconAnswer {
    SHFILEINFOA info{};
    DWORD_PTR result = 0;
    ~IconAnswer() {
        if (info.hIcon) DestroyIcon(info.hIcon);
    }
};

class Win32Backend : public Backend {
public:
    Win32Backend() {
        comInitialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        char name[48];
        std::snprintf(name, sizeof name, "ExtractorForm%p", static_cast<void*>(this));
        windowClass_ = name;
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = FormWindow::Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = windowClass_.c_str();
        RegisterClassExA(&wc);
    }

    ~Win32Backend() override {
        UnregisterClassA(windowClass_.c_str(), GetModuleHandleA(nullptr));
        if (comInitialised_) CoUninitialize();
    }

    std::unique_ptr<FormPeer> CreateFormPeer(Application& app, TForm& form) override {
        return std::make_unique<FormWindow>(app, form, windowClass_);
    }

    std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control) override { return CreateControlWindow(control); }

    // --- The loop ---

    void ProcessMessages(Application& app) override {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                app.Terminate();
                return;
            }
            Deliver(app, msg);
        }
    }

    void Run(Application& app) override {
        while (!app.Terminated()) HandleMessage(app);
    }

    int RunModal(Application& app, TForm& form) override {
        while (form.ModalResult() == mrNone && !app.Terminated()) HandleMessage(app);
        return form.ModalResult();
    }

    // --- Modal things ---

    int ShowMessageBox(const MessageBoxRequest& request) override {
        return MessageBoxA(WindowOf(request.owner), request.text.c_str(), request.caption.c_str(), request.flags);
    }

    std::optional<std::string> ExecuteOpenDialog(const OpenDialogRequest& request) override {
        // "Text|*.txt|All|*.*" becomes "Text\0*.txt\0All\0*.*\0\0".
        std::string filter = request.filter;
        for (char& c : filter) {
            if (c == '|') c = '\0';
        }
        filter.append(2, '\0');
        std::vector<char> file(kPathBuffer, '\0');
        request.fileName.copy(file.data(), file.size() - 1);

        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = WindowOf(request.owner);
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = static_cast<DWORD>(file.size());
        ofn.lpstrInitialDir = request.initialDir.empty() ? nullptr : request.initialDir.c_str();
        ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
        ofn.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
        ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
        if (request.options & ofHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
        if (request.options & ofPathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
        if (request.options & ofFileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
        if (request.options & ofEnableSizing) ofn.Flags |= OFN_ENABLESIZING;
        if (!GetOpenFileNameA(&ofn)) return std::nullopt;
        return std::string(file.data());
    }

    FolderChoice BrowseForFolder(const FolderBrowseRequest& request) override {
        char displayName[MAX_PATH + 1] = {};
        BROWSEINFOA info{};
        info.hwndOwner = WindowOf(request.owner);
        info.pidlRoot = nullptr;  // the desktop
        info.pszDisplayName = displayName;
        info.lpszTitle = request.title.c_str();
        info.ulFlags = BIF_NEWDIALOGSTYLE | BIF_EDITBOX | BIF_RETURNFSANCESTORS;  // 0x58
        info.lpfn = BrowseCallback;
        const ItemIdList chosen{SHBrowseForFolderA(&info)};
        if (!chosen.pidl) return {};
        std::vector<char> path(kPathBuffer, '\0');
        if (!SHGetPathFromIDListA(chosen.pidl, path.data())) return {FolderChoice::NotFileSystem, {}};
        return {FolderChoice::Chosen, path.data()};
    }

    std::vector<std::string> DroppedFiles(std::uintptr_t drop) override {
        auto handle = reinterpret_cast<HDROP>(drop);
        std::vector<std::string> paths;
        const UINT count = DragQueryFileA(handle, 0xFFFFFFFF, nullptr, 0);
        std::vector<char> path(kPathBuffer, '\0');
        for (UINT i = 0; i < count; ++i) {
            if (DragQueryFileA(handle, i, path.data(), static_cast<UINT>(path.size())) > 0) paths.emplace_back(path.data());
        }
        DragFinish(handle);
        return paths;
    }

    // --- Shell ---

    std::uintptr_t SystemSmallImages() override {
        IconAnswer answer;
        answer.result = SHGetFileInfoA("C:\\", 0, &answer.info, sizeof answer.info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        return static_cast<std::uintptr_t>(answer.result);
    }

    int ShellSmallIconIndex(const std::string& name) override {
        IconAnswer answer;
        if (!name.empty() && name.back() == '\\') {
            // The Windows folder's icon stands for every folder.
            char windows[MAX_PATH + 1] = {};
            ExpandEnvironmentStringsA("%WINDIR%", windows, MAX_PATH);
            answer.result = SHGetFileInfoA(windows, 0, &answer.info, sizeof answer.info, SHGFI_ICON | SHGFI_SMALLICON);
        } else {
            answer.result = SHGetFileInfoA(name.c_str(), FILE_ATTRIBUTE_NORMAL, &answer.info, sizeof answer.info,
                                           SHGFI_ICON | SHGFI_USEFILEATTRIBUTES | SHGFI_SMALLICON);
        }
        return answer.result ? answer.info.iIcon : -1;
    }

    void OpenUrl(const std::string& address) override {
        ShellExecuteA(nullptr, nullptr, address.c_str(), nullptr, nullptr, 0);
    }

    TRect WorkArea() const override {
        RECT r{0, 0, 1024, 768};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }

private:
    static HWND WindowOf(const TForm* form) {
        auto* window = form ? dynamic_cast<Window*>(form->Peer()) : nullptr;
        return window ? window->Handle() : nullptr;
    }

    // One turn of the loop: a message if there is one, otherwise the update
    // rules and a wait for the next message.
    void HandleMessage(Application& app) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                app.Terminate();
                return;
            }
            Deliver(app, msg);
            return;
        }
        app.Idle();
        if (!app.Terminated()) WaitMessage();
    }

    void Deliver(Application& app, MSG& msg) {
        if (PreTranslate(app, msg)) return;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    // Shortcuts, Enter and Escape for the form's buttons, and the dialog keys
    // (Tab between controls) before a key reaches its control.
    bool PreTranslate(Application& app, MSG& msg) {
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        FormWindow* window = FormWindow::FromHandle(root);
        if (!window) return false;
        TForm& form = window->Form();
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            bool used = false;
            app.Guard([&] { used = form.IsShortCut(ShortCutOf(msg.wParam)); });
            if (used) return true;
            const bool plain = GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
            if (plain && (msg.wParam == VK_ESCAPE || (msg.wParam == VK_RETURN && !WantsReturn(msg.hwnd)))) {
                app.Guard([&] { used = form.DialogKey(static_cast<unsigned>(msg.wParam)); });
                if (used) return true;
            }
        }
        return IsDialogMessageA(root, &msg) != FALSE;
    }

    bool comInitialised_ = false;
    std::string windowClass_;
};

}  // namespace

// --- Handles for tests ---

HWND HandleOf(const TControl& control) {
    auto* window = dynamic_cast<Window*>(control.Peer());
    return window ? window->Handle() : nullptr;
}

HMENU MenuHandleOf(const TForm& form) {
    auto* window = dynamic_cast<FormWindow*>(form.Peer());
    return window ? window->MenuHandle() : nullptr;
}

bool MenuPlaceOf(const TMenuItem& item, HMENU& menu, UINT& position) {
    const TMenuItem::PeerPlace& place = item.Place();
    if (!place.menu) return false;
    menu = static_cast<HMENU>(place.menu);
    position = static_cast<UINT>(place.position);
    return true;
}

HWND ToolTipOf(const TForm& form) {
    auto* window = dynamic_cast<FormWindow*>(form.Peer());
    return window ? window->ToolTip() : nullptr;
}

}  // namespace win32

std::unique_ptr<Backend> CreateWin32Backend() { return std::make_unique<win32::Win32Backend>(); }

}  // namespace ui
