#include "ui/Form.h"

#include "ui/Actions.h"
#include "ui/Application.h"
#include "ui/Design.h"
#include "ui/Menus.h"
#include "ui/StdControls.h"

#include <algorithm>

namespace ui {
namespace {

std::vector<std::string> FormClassChain(std::string className) {
    std::vector<std::string> chain{"TForm", "TCustomForm", "TScrollingWinControl", "TWinControl", "TControl"};
    if (className != chain.front()) chain.insert(chain.begin(), std::move(className));
    return chain;
}

template <typename Match>
TButton* FindButton(const TControl& parent, Match match) {
    for (TControl* child : parent.Controls()) {
        if (auto* button = dynamic_cast<TButton*>(child); button && match(*button)) return button;
        if (TButton* found = FindButton(*child, match)) return found;
    }
    return nullptr;
}

}  // namespace

TForm::TForm(Application& app, Component* owner, std::string name, std::string className)
    : TControl(owner, std::move(name), FormClassChain(std::move(className))), app_(app) {
    PublishCaption();
    PublishHint();
    PublishFontProperty();
    SetParentFont(false);
    SetVisible(false);
    app_.AddForm(*this);
    auto peer = app_.GetBackend().CreateFormPeer(app_, *this);
    formPeer_ = peer.get();
    SetPeer(std::move(peer));
}

TForm::~TForm() {
    destroying_ = true;
    if (menu_) menu_->OnChange = nullptr;
    // Owned components may be shown inside this form: they go while it stands.
    DestroyComponents();
    DestroyControl();
    formPeer_ = nullptr;
    app_.RemoveForm(*this);
}

void TForm::Build(const FormDesign& design) { BuildForm(*this, design); }

// --- Frame and size ---

void TForm::SetBorderStyle(TBorderStyle style) {
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    Changed(Aspect::Options);
}

void TForm::SetBorderIcons(unsigned icons) {
    if (borderIcons_ == icons) return;
    borderIcons_ = icons;
    Changed(Aspect::Options);
}

void TForm::SetClientSize(TSize size) {
    const TSize outer = formPeer_->OuterSizeFor(size);
    SetBounds({Left(), Top(), outer.Width, outer.Height});
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu_ == menu) return;
    if (menu_) {
        menu_->OnChange = nullptr;
        RemoveFreeNotification(menu_);
    }
    menu_ = menu;
    if (menu_) {
        FreeNotification(menu_);
        menu_->OnChange = [this](TMenuItem* item, bool structure) { MenuChanged(item, structure); };
    }
    Changed(Aspect::Menu);
}

void TForm::MenuChanged(TMenuItem* item, bool structure) {
    if (destroying_) return;
    Changed(structure ? Aspect::Menu : Aspect::MenuItem, item);
}

void TForm::Notification(Component* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) {
        menu_ = nullptr;
        if (!destroying_) Changed(Aspect::Menu);
    }
}

// --- Showing and closing ---

void TForm::PlaceForShow() {
    if (position_ == TPosition::poDesigned) return;
    TRect area = app_.GetBackend().WorkArea();
    if (position_ == TPosition::poOwnerFormCenter) {
        if (auto* owner = dynamic_cast<TForm*>(Owner()); owner && owner->Visible()) area = owner->BoundsRect();
    }
    SetBounds({area.Left + (area.Width - Width()) / 2, area.Top + (area.Height - Height()) / 2, Width(), Height()});
}

void TForm::Show() {
    if (Visible()) return;
    PlaceForShow();
    SetVisible(true);
    if (OnShow) OnShow();
}

void TForm::Hide() { SetVisible(false); }

int TForm::ShowModal() {
    if (modal_ || Visible()) throw std::logic_error("form " + Name() + " cannot be shown modally: it is showing");
    // Undoes the modal state however the loop ends. Only the forms blocked
    // here are given their input back, and only those that still exist.
    struct ModalState {
        TForm& form;
        std::vector<TForm*> blocked;
        explicit ModalState(TForm& f) : form(f) {
            form.modal_ = true;
            form.modalResult_ = mrNone;
            for (TForm* other : form.app_.Forms()) {
                if (other == &form) continue;
                other->BlockInput(true);
                blocked.push_back(other);
            }
        }
        ~ModalState() {
            // The others take input again before this one hides, so that the
            // system activates the window below it.
            const auto& alive = form.app_.Forms();
            for (TForm* other : blocked) {
                if (std::find(alive.begin(), alive.end(), other) != alive.end()) other->BlockInput(false);
            }
            form.Hide();
            form.modal_ = false;
        }
    };
    int result;
    {
        ModalState state(*this);
        Show();
        result = app_.GetBackend().RunModal(app_, *this);
    }
    if (result == mrNone) result = mrCancel;
    modalResult_ = result;
    return result;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (OnCloseQuery && !OnCloseQuery()) return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) OnClose(action);
    if (action == TCloseAction::caNone) return;
    Hide();
    if (app_.MainForm() == this) app_.Terminate();
}

void TForm::BlockInput(bool block) {
    inputBlocks_ += block ? 1 : -1;
    Changed(Aspect::Enabled);
}

// --- Keyboard ---

void TForm::SetActiveControl(TControl* control) { activeControl_ = control; }

TButton* TForm::DefaultButton() const {
    return FindButton(*this, [](const TButton& b) { return b.Default(); });
}

TButton* TForm::CancelButton() const {
    return FindButton(*this, [](const TButton& b) { return b.Cancel(); });
}

bool TForm::DialogKey(unsigned key) {
    TButton* button = nullptr;
    if (key == vk::Return) {
        button = dynamic_cast<TButton*>(activeControl_);
        if (!button) button = DefaultButton();
    } else if (key == vk::Escape) {
        button = CancelButton();
    }
    if (!button) return false;
    if (button->Enabled() && button->Visible()) button->Click();
    return true;
}

bool TForm::IsShortCut(TShortCut shortCut) {
    if (shortCut == scNone) return false;
    if (menu_) {
        if (TMenuItem* item = menu_->FindShortCut(shortCut)) {
            item->Click();
            return true;
        }
    }
    for (Component* component : std::vector<Component*>(Components())) {
        auto* list = dynamic_cast<TActionList*>(component);
        if (!list) continue;
        for (TAction* action : list->Actions()) {
            if (action->ShortCut() == shortCut) return action->Execute();
        }
    }
    return false;
}

// --- Actions ---

void TForm::UpdateActions() {
    for (Component* component : std::vector<Component*>(Components())) {
        if (auto* list = dynamic_cast<TActionList*>(component)) {
            for (TAction* action : std::vector<TAction*>(list->Actions())) action->Update();
        }
    }
}

// --- Messages ---

void TForm::SetMessageHandler(unsigned message, std::function<void(TMessage&)> handler) {
    if (handler) {
        handlers_[message] = std::move(handler);
    } else {
        handlers_.erase(message);
    }
}

void TForm::Post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (formPeer_) formPeer_->Post(TMessage{message, wParam, lParam, 0});
}

std::intptr_t TForm::Perform(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    TMessage m{message, wParam, lParam, 0};
    return formPeer_ ? formPeer_->Send(m) : 0;
}

bool TForm::Dispatch(TMessage& message) {
    const auto it = handlers_.find(message.Msg);
    if (it == handlers_.end()) return false;
    // The handler may replace itself; keep it alive while it runs.
    const auto handler = it->second;
    handler(message);
    return true;
}

void TForm::DefaultHandler(TMessage& message) {
    if (message.Msg == msg::Close) Close();
}

void TForm::SetAcceptFiles(bool accept) {
    acceptFiles_ = accept;
    if (formPeer_) formPeer_->AcceptFiles(accept);
}

void TForm::ControlRemoved(TControl* control) {
    if (activeControl_ == control) activeControl_ = nullptr;
}

}  // namespace ui
