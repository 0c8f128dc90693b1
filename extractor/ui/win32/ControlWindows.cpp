// The peers of the simple kinds: buttons, check boxes, radio buttons, group
// boxes, labels, edits, memos and pictures.
#include "ui/StdControls.h"
#include "ui/win32/ListViewWindow.h"
#include "ui/win32/TreeViewWindow.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {
namespace {

class ButtonWindow : public ControlWindow {
public:
    explicit ButtonWindow(TButton& button) : ControlWindow(button), button_(button) {
        Create("BUTTON", Style(), 0);
    }

private:
    DWORD Style() const { return button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }
    void UpdateOwn(Aspect aspect, const void*) override {
        if (aspect == Aspect::Options) SendMessageA(hwnd_, BM_SETSTYLE, Style(), TRUE);
    }
    bool OnCommand(WORD code, LRESULT&) override {
        if (code != BN_CLICKED) return false;
        Input([&] { button_.Click(); });
        return true;
    }
    TButton& button_;
};

// Check boxes and radio buttons: the window checks itself, the component follows.
template <typename Kind>
class CheckWindow : public ControlWindow {
public:
    CheckWindow(Kind& control, DWORD style) : ControlWindow(control), control_(control) {
        Create("BUTTON", style, 0);
        Show();
    }

private:
    void Show() { SendMessageA(hwnd_, BM_SETCHECK, control_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0); }
    void UpdateOwn(Aspect aspect, const void*) override {
        if (aspect == Aspect::Checked) Show();
    }
    bool OnCommand(WORD code, LRESULT&) override {
        if (code != BN_CLICKED) return false;
        const bool checked = SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
        Input([&] { control_.PeerChecked(checked); });
        return true;
    }
    Kind& control_;
};

class GroupBoxWindow : public ControlWindow {
public:
    explicit GroupBoxWindow(TGroupBox& box) : ControlWindow(box) {
        Create("BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT);
    }
};

class LabelWindow : public ControlWindow {
public:
    explicit LabelWindow(TLabel& label) : ControlWindow(label), label_(label) { Create("STATIC", Style(), 0); }

private:
    DWORD Style() const {
        DWORD style = SS_NOTIFY | SS_NOPREFIX;
        switch (label_.Alignment()) {
            case TAlignment::taCenter:
                return style | SS_CENTER;
            case TAlignment::taRightJustify:
                return style | SS_RIGHT;
            default:
                return style | (label_.WordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP);
        }
    }
    void UpdateOwn(Aspect aspect, const void*) override {
        if (aspect != Aspect::Options) return;
        const LONG_PTR keep = GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
        SetWindowLongPtrA(hwnd_, GWL_STYLE, keep | static_cast<LONG_PTR>(Style()));
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    bool OnCommand(WORD code, LRESULT&) override {
        if (code != STN_CLICKED) return false;
        Input([&] { label_.Click(); });
        return true;
    }
    HBRUSH OnCtlColor(HDC dc) override {
        const int color = label_.Font().Color;
        if (color == TFont::kDefaultColor) return nullptr;
        SetTextColor(dc, static_cast<COLORREF>(color));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    TLabel& label_;
};

class EditWindow : public ControlWindow {
public:
    explicit EditWindow(TEdit& edit) : ControlWindow(edit), edit_(edit) {
        Create("EDIT", ES_AUTOHSCROLL | (edit.ReadOnly() ? ES_READONLY : 0), WS_EX_CLIENTEDGE);
    }

private:
    void UpdateOwn(Aspect aspect, const void*) override {
        if (aspect == Aspect::Options) SendMessageA(hwnd_, EM_SETREADONLY, edit_.ReadOnly() ? TRUE : FALSE, 0);
    }
    bool OnCommand(WORD code, LRESULT&) override {
        if (code != EN_CHANGE || updating_) return false;
        edit_.PeerTextChanged(WindowText());
        return true;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = ControlWindow::WindowProc(message, wParam, lParam);
        if (message == WM_LBUTTONUP) Input([&] { edit_.Click(); });
        return result;
    }
    std::string WindowText() const {
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    TEdit& edit_;
};

// A memo shows its lines and keeps the last one in view, as a log wants.
class MemoWindow : public ControlWindow {
public:
    explicit MemoWindow(TMemo& memo) : ControlWindow(memo), memo_(memo) {
        Create("EDIT", Style(), WS_EX_CLIENTEDGE);
        ShowLines();
    }

private:
    DWORD Style() const {
        DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (!memo_.WordWrap()) style |= ES_AUTOHSCROLL;
        if (memo_.ReadOnly()) style |= ES_READONLY;
        const TScrollStyle bars = memo_.ScrollBars();
        if (bars == TScrollStyle::ssVertical || bars == TScrollStyle::ssBoth) style |= WS_VSCROLL;
        if (bars == TScrollStyle::ssHorizontal || bars == TScrollStyle::ssBoth) style |= WS_HSCROLL;
        return style;
    }
    void ShowLines() {
        const bool outer = !updating_;
        updating_ = true;
        SetWindowTextA(hwnd_, memo_.Text().c_str());
        const int length = GetWindowTextLengthA(hwnd_);
        SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(length), length);
        SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
        if (outer) updating_ = false;
    }
    void UpdateOwn(Aspect aspect, const void*) override {
        if (aspect == Aspect::Text) ShowLines();
        if (aspect == Aspect::Options) SendMessageA(hwnd_, EM_SETREADONLY, memo_.ReadOnly() ? TRUE : FALSE, 0);
    }
    bool OnCommand(WORD code, LRESULT&) override {
        if (code != EN_CHANGE || updating_) return false;
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
        memo_.PeerTextChanged(text);
        return true;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = ControlWindow::WindowProc(message, wParam, lParam);
        if (message == WM_LBUTTONUP) Input([&] { memo_.Click(); });
        return result;
    }
    TMemo& memo_;
};

// A picture: an icon from the program's resources, centred.
class ImageWindow : public ControlWindow {
public:
    explicit ImageWindow(TImage& image) : ControlWindow(image), image_(image) {
        Create("STATIC", SS_ICON | SS_CENTERIMAGE | SS_NOTIFY, 0);
        ShowPicture();
    }

private:
    void ShowPicture() {
        HANDLE icon = nullptr;
        if (!image_.Picture().empty()) {
            icon = LoadImageA(GetModuleHandleA(nullptr), image_.Picture().c_str(), IMAGE_ICON, 0, 0,
                              LR_SHARED);  // at the size drawn
        }
        SendMessageA(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    void UpdateOwn(Aspect aspect, const void*) override {
        if (aspect == Aspect::Picture) ShowPicture();
    }
    bool OnCommand(WORD code, LRESULT&) override {
        if (code != STN_CLICKED) return false;
        Input([&] { image_.Click(); });
        return true;
    }
    TImage& image_;
};

}  // namespace

std::unique_ptr<ControlPeer> CreateControlWindow(TControl& control) {
    if (auto* c = dynamic_cast<TButton*>(&control)) return std::make_unique<ButtonWindow>(*c);
    if (auto* c = dynamic_cast<TCheckBox*>(&control)) {
        return std::make_unique<CheckWindow<TCheckBox>>(*c, BS_AUTOCHECKBOX);
    }
    if (auto* c = dynamic_cast<TRadioButton*>(&control)) {
        return std::make_unique<CheckWindow<TRadioButton>>(*c, BS_AUTORADIOBUTTON);
    }
    if (auto* c = dynamic_cast<TGroupBox*>(&control)) return std::make_unique<GroupBoxWindow>(*c);
    if (auto* c = dynamic_cast<TLabel*>(&control)) return std::make_unique<LabelWindow>(*c);
    if (auto* c = dynamic_cast<TEdit*>(&control)) return std::make_unique<EditWindow>(*c);
    if (auto* c = dynamic_cast<TMemo*>(&control)) return std::make_unique<MemoWindow>(*c);
    if (auto* c = dynamic_cast<TImage*>(&control)) return std::make_unique<ImageWindow>(*c);
    if (auto* c = dynamic_cast<TListView*>(&control)) return CreateListViewWindow(*c);
    if (auto* c = dynamic_cast<TTreeView*>(&control)) return CreateTreeViewWindow(*c);
    return nullptr;  // splitters, frames, header controls, grids: not shown on this backend
}

}  // namespace ui::win32
