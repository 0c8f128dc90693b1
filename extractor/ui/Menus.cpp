#include "ui/Menus.h"

#include <algorithm>

namespace ui {

// --- TMenuItem ---

TMenuItem::TMenuItem(Component* owner, std::string name)
    : Component(owner, std::move(name), {"TMenuItem"}) {
    PublishString("Caption", [this] { return caption_; }, [this](const std::string& v) { SetCaption(v); });
    PublishString("Hint", [this] { return hint_; }, [this](const std::string& v) { SetHint(v); });
}

TMenuItem::~TMenuItem() {
    for (TMenuItem* child : items_) child->parent_ = nullptr;
    items_.clear();
    if (parent_) parent_->Remove(*this);
}

void TMenuItem::Changed(bool structure) {
    if (TMainMenu* menu = Menu(); menu && menu->OnChange) menu->OnChange(this, structure);
}

TMainMenu* TMenuItem::Menu() const {
    const TMenuItem* item = this;
    while (item->parent_) item = item->parent_;
    return item->menu_;
}

void TMenuItem::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    // Becoming or ceasing to be a separator changes the menu's shape.
    const bool structure = (caption_ == "-") != (caption == "-");
    caption_ = std::move(caption);
    Changed(structure);
}

void TMenuItem::SetHint(std::string hint) { hint_ = std::move(hint); }

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed(false);
}

void TMenuItem::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Changed(true);
}

void TMenuItem::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed(false);
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    if (shortCut_ == shortCut) return;
    shortCut_ = shortCut;
    Changed(false);
}

int TMenuItem::IndexOf(const TMenuItem& item) const {
    const auto it = std::find(items_.begin(), items_.end(), &item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem& item) {
    if (item.parent_) item.parent_->Remove(item);
    item.parent_ = this;
    items_.push_back(&item);
    Changed(true);
}

void TMenuItem::Remove(TMenuItem& item) {
    const auto it = std::find(items_.begin(), items_.end(), &item);
    if (it == items_.end()) return;
    items_.erase(it);
    item.parent_ = nullptr;
    Changed(true);
}

void TMenuItem::Click() {
    if (!enabled_) return;
    if (OnClick) {
        OnClick();
    } else if (TAction* action = Action()) {
        action->Execute();
    }
}

void TMenuItem::ActionAssigned(const TAction& action) {
    SetCaption(action.Caption());
    SetHint(action.Hint());
    SetEnabled(action.Enabled());
    SetVisible(action.Visible());
    SetChecked(action.Checked());
    SetShortCut(action.ShortCut());
}

void TMenuItem::ActionCaptionChanged(const std::string& oldValue, const std::string& newValue) {
    if (caption_ == oldValue) SetCaption(newValue);
}

void TMenuItem::ActionHintChanged(const std::string& oldValue, const std::string& newValue) {
    if (hint_ == oldValue) SetHint(newValue);
}

void TMenuItem::ActionEnabledChanged(bool oldValue, bool newValue) {
    if (enabled_ == oldValue) SetEnabled(newValue);
}

void TMenuItem::ActionVisibleChanged(bool oldValue, bool newValue) {
    if (visible_ == oldValue) SetVisible(newValue);
}

void TMenuItem::ActionCheckedChanged(bool oldValue, bool newValue) {
    if (checked_ == oldValue) SetChecked(newValue);
}

void TMenuItem::ActionShortCutChanged(TShortCut oldValue, TShortCut newValue) {
    if (shortCut_ == oldValue) SetShortCut(newValue);
}

// --- TMainMenu ---

TMainMenu::TMainMenu(Component* owner, std::string name)
    : Component(owner, std::move(name), {"TMainMenu", "TMenu"}), root_(new TMenuItem(this, "")) {
    root_->menu_ = this;
    PublishObject("Items", root_);
}

TMainMenu::~TMainMenu() {
    OnChange = nullptr;
    root_->menu_ = nullptr;
}

TMenuItem* TMainMenu::FindShortCut(TShortCut shortCut) const {
    if (shortCut == scNone) return nullptr;
    std::vector<const TMenuItem*> pending{root_};
    while (!pending.empty()) {
        const TMenuItem* item = pending.back();
        pending.pop_back();
        for (int i = item->Count() - 1; i >= 0; --i) {
            TMenuItem& child = item->Item(i);
            if (!child.Visible() || !child.Enabled()) continue;
            if (child.ShortCut() == shortCut) return &child;
            pending.push_back(&child);
        }
    }
    return nullptr;
}

}  // namespace ui
