#include "ui/win32/FormWindow.h"

#include "ui/Application.h"
#include "ui/Menus.h"

#include <shellapi.h>

namespace ui::win32 {
namespace {

std::string MenuText(const TMenuItem& item) {
    const std::string shortCut = ShortCutToText(item.ShortCut());
    return shortCut.empty() ? item.Caption() : item.Caption() + "\t" + shortCut;
}

UINT MenuState(const TMenuItem& item) {
    return (item.Enabled() ? MFS_ENABLED : MFS_GRAYED) | (item.Checked() ? MFS_CHECKED : MFS_UNCHECKED);
}

HWND OwnerHandle(const TForm& form) {
    auto* owner = dynamic_cast<TForm*>(form.Owner());
    auto* window = owner ? dynamic_cast<Window*>(owner->Peer()) : nullptr;
    return window ? window->Handle() : nullptr;
}

}  // namespace

FormWindow::FormWindow(Application& app, TForm& form, const std::string& windowClass) : app_(app), form_(form) {
    const TRect& r = form_.BoundsRect();
    CreateWindowExA(ExStyle(), windowClass.c_str(), form_.Caption().c_str(), Style(), r.Left, r.Top, r.Width, r.Height,
                    OwnerHandle(form_), nullptr, GetModuleHandleA(nullptr), this);
    if (!hwnd_) return;
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    if (tip_) SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, 400);
}

FormWindow::~FormWindow() {
    if (!hwnd_) return;
    Detach();
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);  // takes the tooltip window and the menu with it
}

FormWindow* FormWindow::FromHandle(HWND hwnd) { return dynamic_cast<FormWindow*>(Window::FromHandle(hwnd)); }

DWORD FormWindow::Style() const {
    DWORD style = WS_CAPTION | WS_CLIPCHILDREN;
    switch (form_.BorderStyle()) {
        case TBorderStyle::bsSizeable:
        case TBorderStyle::bsSizeToolWin:
            style |= WS_THICKFRAME;
            break;
        default:
            break;
    }
    const unsigned icons = form_.BorderIcons();
    if (icons & biSystemMenu) style |= WS_SYSMENU;
    const bool boxes = form_.BorderStyle() == TBorderStyle::bsSizeable || form_.BorderStyle() == TBorderStyle::bsSingle;
    if (boxes && (icons & biMinimize)) style |= WS_MINIMIZEBOX;
    if (boxes && (icons & biMaximize)) style |= WS_MAXIMIZEBOX;
    if (!form_.AcceptsInput()) style |= WS_DISABLED;
    return style;
}

DWORD FormWindow::ExStyle() const {
    DWORD ex = WS_EX_CONTROLPARENT;
    switch (form_.BorderStyle()) {
        case TBorderStyle::bsDialog:
            ex |= WS_EX_DLGMODALFRAME;
            break;
        case TBorderStyle::bsToolWindow:
        case TBorderStyle::bsSizeToolWin:
            ex |= WS_EX_TOOLWINDOW;
            break;
        default:
            break;
    }
    return ex;
}

// --- Peer ---

void FormWindow::Update(Aspect aspect, const void* subject) {
    if (!hwnd_) return;
    switch (aspect) {
        case Aspect::Text:
            SetWindowTextA(hwnd_, form_.Caption().c_str());
            break;
        case Aspect::Visible:
            if (form_.Visible()) {
                ShowWindow(hwnd_, SW_SHOWNORMAL);
                SetForegroundWindow(hwnd_);
            } else {
                ShowWindow(hwnd_, SW_HIDE);
            }
            break;
        case Aspect::Enabled:
            EnableWindow(hwnd_, form_.AcceptsInput() ? TRUE : FALSE);
            break;
        case Aspect::Bounds:
            ApplyBounds();
            break;
        case Aspect::Options:
            SetWindowLongPtrA(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(Style() | (form_.Visible() ? WS_VISIBLE : 0)));
            SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(ExStyle()));
            SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            break;
        case Aspect::Menu:
            RebuildMenu();
            break;
        case Aspect::MenuItem:
            if (subject) UpdateMenuItem(*const_cast<TMenuItem*>(static_cast<const TMenuItem*>(subject)));
            break;
        default:
            break;
    }
}

void FormWindow::ApplyBounds() {
    const TRect& r = form_.BoundsRect();
    SetWindowPos(hwnd_, nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::BoundsFromWindow() {
    if (IsIconic(hwnd_)) return;  // a minimised window keeps its bounds
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const TRect bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
    Input([&] { form_.PeerResized(bounds); });
}

TSize FormWindow::ClientSize() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

TSize FormWindow::OuterSizeFor(TSize clientSize) const {
    RECT r{0, 0, clientSize.Width, clientSize.Height};
    AdjustWindowRectEx(&r, Style(), hwnd_ && GetMenu(hwnd_) ? TRUE : FALSE, ExStyle());
    return {r.right - r.left, r.bottom - r.top};
}

void FormWindow::Focus() {
    if (hwnd_) SetActiveWindow(hwnd_);
}

void FormWindow::Post(const TMessage& message) {
    PostMessageA(hwnd_, message.Msg, static_cast<WPARAM>(message.WParam), static_cast<LPARAM>(message.LParam));
}

std::intptr_t FormWindow::Send(TMessage& message) {
    message.Result = SendMessageA(hwnd_, message.Msg, static_cast<WPARAM>(message.WParam),
                                  static_cast<LPARAM>(message.LParam));
    return message.Result;
}

void FormWindow::AcceptFiles(bool accept) {
    if (hwnd_) DragAcceptFiles(hwnd_, accept ? TRUE : FALSE);
}

// --- Tooltips ---

void FormWindow::SetTip(HWND control, const std::string& text) {
    if (!tip_) return;
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    const bool known = SendMessageA(tip_, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.lpszText = const_cast<char*>(text.c_str());
    if (text.empty()) {
        if (known) SendMessageA(tip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    } else if (known) {
        SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    } else {
        SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

// --- Menu ---

void FormWindow::RebuildMenu() {
    // The old menu goes with all its command numbers.
    commands_.clear();
    nextCommand_ = 100;
    HMENU menu = nullptr;
    if (TMainMenu* mainMenu = form_.Menu()) menu = BuildMenu(mainMenu->Items(), true);
    HMENU old = GetMenu(hwnd_);
    SetMenu(hwnd_, menu);
    if (old) DestroyMenu(old);
    DrawMenuBar(hwnd_);
}

HMENU FormWindow::BuildMenu(TMenuItem& parent, bool bar) {
    HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
    int position = 0;
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = parent.Item(i);
        item.Place() = {};
        if (!item.Visible()) continue;
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        std::string text = MenuText(item);
        if (item.IsSeparator()) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask = MIIM_STRING | MIIM_STATE | MIIM_ID;
            info.dwTypeData = text.data();
            info.fState = MenuState(item);
            info.wID = nextCommand_++;
            commands_[info.wID] = &item;
            if (item.Count() > 0) {
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = BuildMenu(item, false);
            }
        }
        InsertMenuItemA(menu, static_cast<UINT>(position), TRUE, &info);
        item.Place() = {menu, position, info.wID};
        ++position;
    }
    return menu;
}

void FormWindow::UpdateMenuItem(TMenuItem& item) {
    const TMenuItem::PeerPlace& place = item.Place();
    if (!place.menu || item.IsSeparator()) return;
    std::string text = MenuText(item);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_STATE;
    info.dwTypeData = text.data();
    info.fState = MenuState(item);
    SetMenuItemInfoA(static_cast<HMENU>(place.menu), static_cast<UINT>(place.position), TRUE, &info);
    DrawMenuBar(hwnd_);
}

// --- Messages ---

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->Attach(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->WindowProc(message, wParam, lParam);
}

LRESULT FormWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The program's handlers come first, by number.
    TMessage m{message, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam), 0};
    bool handled = false;
    Input([&] { handled = form_.Dispatch(m); });
    if (handled) return m.Result;

    LRESULT result = 0;
    switch (message) {
        case WM_CLOSE:
            Input([&] { form_.DefaultHandler(m); });
            return 0;
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0) {
                const auto it = commands_.find(LOWORD(wParam));
                if (it != commands_.end()) {
                    TMenuItem* item = it->second;
                    Input([&] { item->Click(); });
                }
                return 0;
            }
            if (ReflectToChild(message, wParam, lParam, result)) return result;
            return 0;
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            if (ReflectToChild(message, wParam, lParam, result)) return result;
            break;
        case WM_SIZE:
        case WM_MOVE:
            BoundsFromWindow();
            break;
        case WM_GETMINMAXINFO: {
            const TSize min = form_.MinSize();
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            if (min.Width > 0) info->ptMinTrackSize.x = min.Width;
            if (min.Height > 0) info->ptMinTrackSize.y = min.Height;
            return 0;
        }
        case WM_ACTIVATE:
            // Coming back, the control that had the focus gets it again.
            if (LOWORD(wParam) != WA_INACTIVE) {
                TControl* active = form_.ActiveControl();
                auto* window = active ? dynamic_cast<Window*>(active->Peer()) : nullptr;
                if (window && IsWindowEnabled(window->Handle()) && IsWindowVisible(window->Handle())) {
                    SetFocus(window->Handle());
                    return 0;
                }
            }
            break;
        case WM_DROPFILES:
            // Nobody handles drops: release the drop all the same.
            DragFinish(reinterpret_cast<HDROP>(wParam));
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace ui::win32
