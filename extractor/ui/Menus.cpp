#include "ui/Menus.h"

#include <algorithm>

namespace ui {

// --- TMenuItem ---

TMenuItem::TMenuItem(Component* owner, std::string name)
    : Component(owner, std::move(name), {"TMenuItem"}) {
    PublishString("Caption", [this] { return state_.caption; }, [this](const std::string& v) { SetCaption(v); });
    PublishString("Hint", [this] { return state_.hint; }, [this](const std::string& v) { SetHint(v); });
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
    if (state_.caption == caption) return;
    // Becoming or ceasing to be a separator changes the menu's shape.
    const bool structure = (state_.caption == "-") != (caption == "-");
    state_.caption = std::move(caption);
    Changed(structure);
}

void TMenuItem::SetHint(std::string hint) { state_.hint = std::move(hint); }

void TMenuItem::SetEnabled(bool enabled) {
    if (state_.enabled == enabled) return;
    state_.enabled = enabled;
    Changed(false);
}

void TMenuItem::SetVisible(bool visible) {
    if (state_.visible == visible) return;
    state_.visible = visible;
    Changed(true);
}

void TMenuItem::SetChecked(bool checked) {
    if (state_.checked == checked) return;
    state_.checked = checked;
    Changed(false);
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    if (state_.shortCut == shortCut) return;
    state_.shortCut = shortCut;
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
    if (!state_.enabled) return;
    if (OnClick) {
        OnClick();
    } else if (TAction* action = Action()) {
        action->Execute();
    }
}

void TMenuItem::ShowLinked(const ActionState& state, ActionProperties which) {
    if (which & apCaption) SetCaption(state.caption);
    if (which & apHint) SetHint(state.hint);
    if (which & apEnabled) SetEnabled(state.enabled);
    if (which & apVisible) SetVisible(state.visible);
    if (which & apChecked) SetChecked(state.checked);
    if (which & apShortCut) SetShortCut(state.shortCut);
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
