// Internal to the Win32 backend: the top-level window of a form, with its menu
// bar and the tooltips that show its controls' hints.
#pragma once

#include "ui/Form.h"
#include "ui/win32/WindowPeer.h"

#include <map>
#include <string>

namespace ui {
class TMenuItem;
}

namespace ui::win32 {

class FormWindow : public FormPeer, public Window {
public:
    FormWindow(Application& app, TForm& form, const std::string& windowClass);
    ~FormWindow() override;

    TForm& Form() const { return form_; }
    static FormWindow* FromHandle(HWND hwnd);
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void Update(Aspect aspect, const void* subject) override;
    TSize ClientSize() const override;
    void Focus() override;
    void Post(const TMessage& message) override;
    std::intptr_t Send(TMessage& message) override;
    TSize OuterSizeFor(TSize clientSize) const override;
    void AcceptFiles(bool accept) override;

    // The hint of a control window; an empty text removes it.
    void SetTip(HWND control, const std::string& text);
    HWND ToolTip() const { return tip_; }
    HMENU MenuHandle() const { return GetMenu(hwnd_); }

private:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    DWORD Style() const;
    DWORD ExStyle() const;
    void ApplyBounds();
    void BoundsFromWindow();
    void RebuildMenu();
    HMENU BuildMenu(TMenuItem& parent, bool bar);
    void UpdateMenuItem(TMenuItem& item);
    template <typename Handler>
    void Input(Handler&& handler) {
        app_.Guard(std::forward<Handler>(handler));
    }

    Application& app_;
    TForm& form_;
    HWND tip_ = nullptr;
    std::map<UINT, TMenuItem*> commands_;
    UINT nextCommand_ = 100;
};

}  // namespace ui::win32
