// A window: built from a design, shown plainly or modally, closed through its
// close rules, with actions updated when the application is idle and messages
// dispatched by number before the default handling. Publishes Caption, Hint, Font.
#pragma once

#include "ui/Control.h"
#include "ui/ShortCut.h"

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

class Application;
class TButton;
class TMainMenu;
class TMenuItem;
struct FormDesign;

enum class TBorderStyle { bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TPosition { poDesigned, poScreenCenter, poOwnerFormCenter };
enum class TCloseAction { caNone, caHide };

class TForm : public TControl {
public:
    // className is the window's class ("TExtrMainForm"); owner is usually the
    // main form for dialogs and null for the main form.
    TForm(Application& app, Component* owner, std::string name, std::string className = "TForm");
    ~TForm() override;

    Application& App() const { return app_; }
    TForm* ParentForm() const override { return const_cast<TForm*>(this); }
    FormPeer* Peer() const { return formPeer_; }

    // Creates the design's components in order, owned by this form.
    void Build(const FormDesign& design);
    // The owned component of that name and kind; throws std::logic_error otherwise.
    template <typename T>
    T& Get(std::string_view name) const {
        auto* found = dynamic_cast<T*>(FindComponent(name));
        if (!found) throw std::logic_error("form " + Name() + " has no such component: " + std::string(name));
        return *found;
    }

    // --- Frame and size
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    // The smallest outer size the user can give the window; 0 for no limit.
    TSize MinSize() const { return minSize_; }
    void SetMinSize(TSize size) { minSize_ = size; }
    void SetClientSize(TSize size);

    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    // --- Showing and closing
    void Show();
    void Hide();
    // Shows the form modally; the other forms take no input meanwhile. Returns
    // the modal result (mrCancel when the form was closed otherwise).
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    // As the close box does: a modal form ends with mrCancel; another form asks
    // OnCloseQuery, then OnClose; closing the main form ends the application.
    void Close();
    std::function<bool()> OnCloseQuery;
    std::function<void(TCloseAction&)> OnClose;
    std::function<void()> OnShow;
    // False while a modal form elsewhere keeps this one from taking input.
    bool AcceptsInput() const { return Enabled() && inputBlocks_ == 0; }

    // --- Keyboard
    TControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TControl* control);
    TButton* DefaultButton() const;
    TButton* CancelButton() const;
    // Enter presses the default button (the focused button if there is one),
    // Escape the cancel button. True when the key was used.
    bool DialogKey(unsigned key);
    // A shortcut of an enabled menu item or action executes it. True when it did.
    bool IsShortCut(TShortCut shortCut);

    // --- Actions: runs the update rule of every action in the form's action lists.
    void UpdateActions();

    // --- Messages
    // A handler for one message number; it runs instead of the default handling.
    void SetMessageHandler(unsigned message, std::function<void(TMessage&)> handler);
    // Posts a message to this form; safe from any thread while the form lives.
    void Post(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // Handles a message now, on the UI thread; returns its result.
    std::intptr_t Perform(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // Runs the handler for the message's number; false when there is none.
    bool Dispatch(TMessage& message);
    // What the toolkit does with a message no handler took (close requests).
    void DefaultHandler(TMessage& message);
    // Registers the window as a target for files dropped from the shell.
    void SetAcceptFiles(bool accept);
    bool AcceptFiles() const { return acceptFiles_; }

    // --- For backends and controls
    void ControlRemoved(TControl* control);
    void BlockInput(bool block);
    void PeerClosed() { Close(); }

protected:
    void Notification(Component* component, TOperation operation) override;

private:
    void MenuChanged(TMenuItem* item, bool structure);
    void PlaceForShow();

    Application& app_;
    FormPeer* formPeer_ = nullptr;
    TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    TSize minSize_;
    TMainMenu* menu_ = nullptr;
    bool modal_ = false;
    int modalResult_ = mrNone;
    int inputBlocks_ = 0;
    bool destroying_ = false;
    bool acceptFiles_ = false;
    TControl* activeControl_ = nullptr;
    std::map<unsigned, std::function<void(TMessage&)>> handlers_;
};

}  // namespace ui
