// Internal to the Win32 backend: the peers that give components real windows.
#pragma once

#include "ui/Backend.h"
#include "ui/Control.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace ui {
class Application;
}

namespace ui::win32 {

// Owns a GDI font.
class FontHandle {
public:
    FontHandle() = default;
    FontHandle(const FontHandle&) = delete;
    FontHandle& operator=(const FontHandle&) = delete;
    ~FontHandle() { Reset(nullptr); }
    HFONT Get() const { return font_; }
    void Reset(HFONT font) {
        if (font_) DeleteObject(font_);
        font_ = font;
    }

private:
    HFONT font_ = nullptr;
};

HFONT CreateFontFor(const TFont& font, bool bold = false);
int ScreenPixelsPerInch();

// What every window of ours has: a handle, the component it shows, and a way
// back from the handle to the peer.
class Window {
public:
    virtual ~Window() = default;
    HWND Handle() const { return hwnd_; }
    static Window* FromHandle(HWND hwnd);

    // Notifications that a child control sends to its parent are handed to
    // the child's peer. False: not handled.
    virtual bool OnCommand(WORD, LRESULT&) { return false; }
    virtual bool OnNotify(NMHDR&, LRESULT&) { return false; }
    // Colours of a static or edit child; null for the default.
    virtual HBRUSH OnCtlColor(HDC) { return nullptr; }

protected:
    void Attach(HWND hwnd);
    void Detach();
    HWND hwnd_ = nullptr;
};

// Routes a child's WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* to the child's peer.
bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The peer of a control: a child window inside the parent's window.
class ControlWindow : public ControlPeer, public Window {
public:
    explicit ControlWindow(TControl& control);
    ~ControlWindow() override;

    TControl& Control() const { return control_; }

    void Update(Aspect aspect, const void* subject) override;
    TSize ClientSize() const override;
    void Focus() override;

protected:
    // Creates the window; call from the subclass's constructor.
    void Create(const char* className, DWORD style, DWORD exStyle);
    // Aspects the subclass shows itself.
    virtual void UpdateOwn(Aspect, const void*) {}
    // The subclassed window's messages; the default passes them on.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs a handler of the user's input through the application's error report.
    template <typename Handler>
    void Input(Handler&& handler);
    void ApplyFont();
    void ApplyHint();
    bool IsContainer() const;

    TControl& control_;
    Application* app_;
    FontHandle font_;
    bool updating_ = false;  // set while we change the window ourselves

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
};

// Every kind's peer, or null for kinds that have no window.
std::unique_ptr<ControlPeer> CreateControlWindow(TControl& control);

}  // namespace ui::win32

#include "ui/Application.h"

namespace ui::win32 {

template <typename Handler>
void ControlWindow::Input(Handler&& handler) {
    if (app_) {
        app_->Guard(std::forward<Handler>(handler));
    } else {
        handler();
    }
}

}  // namespace ui::win32
