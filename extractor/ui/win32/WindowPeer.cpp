#include "ui/win32/WindowPeer.h"

#include "ui/Form.h"
#include "ui/win32/FormWindow.h"

#include <windowsx.h>

namespace ui::win32 {
namespace {

constexpr char kPeerProperty[] = "ExtractorPeer";
constexpr UINT_PTR kSubclassId = 1;

TShiftState KeyShift() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

TShiftState MouseShift(WPARAM wParam) {
    TShiftState shift = 0;
    if (wParam & MK_SHIFT) shift |= ssShift;
    if (wParam & MK_CONTROL) shift |= ssCtrl;
    if (wParam & MK_LBUTTON) shift |= ssLeft;
    if (wParam & MK_RBUTTON) shift |= ssRight;
    if (wParam & MK_MBUTTON) shift |= ssMiddle;
    return shift;
}

HWND ParentHandle(const TControl& control) {
    TControl* parent = control.Parent();
    if (!parent) return nullptr;
    auto* window = dynamic_cast<Window*>(parent->Peer());
    return window ? window->Handle() : nullptr;
}

}  // namespace

// --- Fonts ---

int ScreenPixelsPerInch() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

HFONT CreateFontFor(const TFont& font, bool bold) {
    const int height = -MulDiv(font.Size, ScreenPixelsPerInch(), 72);
    const bool isBold = bold || (font.Style & fsBold);
    return CreateFontA(height, 0, 0, 0, isBold ? FW_BOLD : FW_NORMAL, (font.Style & fsItalic) ? TRUE : FALSE,
                       (font.Style & fsUnderline) ? TRUE : FALSE, FALSE, static_cast<BYTE>(font.Charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       font.Name.c_str());
}

// --- Window ---

Window* Window::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Window*>(GetPropA(hwnd, kPeerProperty)) : nullptr;
}

void Window::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    if (hwnd_) SetPropA(hwnd_, kPeerProperty, this);
}

void Window::Detach() {
    if (hwnd_) RemovePropA(hwnd_, kPeerProperty);
}

bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            if (Window* child = Window::FromHandle(reinterpret_cast<HWND>(lParam))) {
                result = 0;
                return child->OnCommand(HIWORD(wParam), result);
            }
            return false;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (Window* child = Window::FromHandle(header->hwndFrom)) {
                result = 0;
                return child->OnNotify(*header, result);
            }
            return false;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            if (Window* child = Window::FromHandle(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam))) {
                    result = reinterpret_cast<LRESULT>(brush);
                    return true;
                }
            }
            return false;
        default:
            return false;
    }
}

// --- ControlWindow ---

ControlWindow::ControlWindow(TControl& control) : control_(control), app_(control.App()) {}

ControlWindow::~ControlWindow() {
    if (!hwnd_) return;
    // Nothing the window says while it goes may reach the component.
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    Detach();
    if (TForm* form = control_.ParentForm()) {
        if (auto* formWindow = dynamic_cast<FormWindow*>(form->Peer())) formWindow->SetTip(hwnd_, {});
    }
    DestroyWindow(hwnd_);
}

void ControlWindow::Create(const char* className, DWORD style, DWORD exStyle) {
    const TRect& r = control_.BoundsRect();
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    if (control_.TabStop()) style |= WS_TABSTOP;
    HWND hwnd = CreateWindowExA(exStyle, className, control_.Caption().c_str(), style, r.Left, r.Top, r.Width, r.Height,
                                ParentHandle(control_), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return;
    Attach(hwnd);
    SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    ApplyFont();
    ApplyHint();
}

bool ControlWindow::IsContainer() const { return !control_.Controls().empty(); }

void ControlWindow::ApplyFont() {
    if (!hwnd_) return;
    HFONT font = CreateFontFor(control_.Font());
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    font_.Reset(font);  // the window holds the new font before the old one goes
}

void ControlWindow::ApplyHint() {
    if (!hwnd_) return;
    TForm* form = control_.ParentForm();
    auto* formWindow = form ? dynamic_cast<FormWindow*>(form->Peer()) : nullptr;
    if (!formWindow) return;
    const bool show = control_.ShowHint() || form->ShowHint();
    formWindow->SetTip(hwnd_, show ? control_.Hint() : std::string());
}

void ControlWindow::Update(Aspect aspect, const void* subject) {
    if (!hwnd_) return;
    const bool outer = !updating_;
    updating_ = true;
    switch (aspect) {
        case Aspect::Text:
            SetWindowTextA(hwnd_, control_.Caption().c_str());
            break;
        case Aspect::Hint:
            ApplyHint();
            break;
        case Aspect::Enabled:
            EnableWindow(hwnd_, control_.Enabled() ? TRUE : FALSE);
            break;
        case Aspect::Visible:
            ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Aspect::Bounds: {
            const TRect& r = control_.BoundsRect();
            SetWindowPos(hwnd_, nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case Aspect::Font:
            ApplyFont();
            break;
        default:
            break;
    }
    UpdateOwn(aspect, subject);
    if (outer) updating_ = false;
}

TSize ControlWindow::ClientSize() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void ControlWindow::Focus() {
    if (hwnd_) SetFocus(hwnd_);
}

LRESULT ControlWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT ControlWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
            Input([&] { control_.PeerFocused(); });
            break;
        case WM_KEYDOWN: {
            unsigned key = static_cast<unsigned>(wParam);
            Input([&] { control_.KeyDown(key, KeyShift()); });
            if (key == 0) return 0;
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const TMouseButton button = message == WM_LBUTTONDOWN   ? TMouseButton::mbLeft
                                        : message == WM_RBUTTONDOWN ? TMouseButton::mbRight
                                                                    : TMouseButton::mbMiddle;
            const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
            Input([&] { control_.MouseDown(button, MouseShift(wParam), x, y); });
            break;
        }
        case WM_SETCURSOR:
            if (control_.HandCursor() && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
                return TRUE;
            }
            break;
        case WM_NOTIFYFORMAT:
            // Our children tell us in ANSI, as they tell the form.
            if (lParam == NF_QUERY && IsContainer()) return NFR_ANSI;
            break;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN: {
            LRESULT result = 0;
            if (ReflectToChild(message, wParam, lParam, result)) return result;
            // A container (a group box) paints no background of its own: its
            // children's labels and buttons get the dialog colour, as on the form.
            if ((message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) && IsContainer()) {
                SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        }
        case WM_ERASEBKGND:
            // The class paints no background for a container (a group box).
            // Its own erase leaves its children alone, which paint themselves;
            // a themed child asks for the background behind it with its own
            // device context.
            if (IsContainer()) {
                const HDC dc = reinterpret_cast<HDC>(wParam);
                RECT area;
                GetClientRect(hwnd_, &area);
                for (HWND child = WindowFromDC(dc) == hwnd_ ? GetWindow(hwnd_, GW_CHILD) : nullptr; child;
                     child = GetWindow(child, GW_HWNDNEXT)) {
                    if (!IsWindowVisible(child)) continue;
                    RECT box;
                    GetWindowRect(child, &box);
                    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&box), 2);
                    ExcludeClipRect(dc, box.left, box.top, box.right, box.bottom);
                }
                FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK ControlWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR refData) {
    auto* self = reinterpret_cast<ControlWindow*>(refData);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    return self->WindowProc(message, wParam, lParam);
}

}  // namespace ui::win32
