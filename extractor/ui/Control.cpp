#include "ui/Control.h"

#include "ui/Application.h"
#include "ui/Form.h"

#include <algorithm>

namespace ui {

TControl::TControl(Component* owner, std::string name, std::vector<std::string> classChain)
    : Component(owner, std::move(name), std::move(classChain)) {
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() { DestroyControl(); }

void TControl::DestroyControl() {
    if (destroyed_) return;
    destroyed_ = true;
    // Child controls go first: their windows live inside ours.
    while (!controls_.empty()) delete controls_.back();
    if (TForm* form = ParentForm(); form && form != this) form->ControlRemoved(this);
    peer_.reset();
    if (parent_) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_ = nullptr;
    }
}

void TControl::SetParent(TControl* parent) {
    if (parent == parent_) return;
    if (parent == this) return;
    peer_.reset();
    if (parent_) {
        if (TForm* form = ParentForm()) form->ControlRemoved(this);
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    if (!parent_) return;
    parent_->controls_.push_back(this);
    parent_->lastClient_ = parent_->ClientSize();
    if (parentFont_) ApplyParentFont();
    CreatePeers();
}

TForm* TControl::ParentForm() const { return parent_ ? parent_->ParentForm() : nullptr; }

Application* TControl::App() const {
    TForm* form = ParentForm();
    return form ? &form->App() : nullptr;
}

void TControl::CreatePeers() {
    if (destroyed_) return;
    if (!peer_ && parent_ && parent_->peer_) {
        if (Application* app = App()) peer_ = app->GetBackend().CreateControlPeer(*this);
    }
    for (TControl* child : controls_) child->CreatePeers();
}

void TControl::Changed(Aspect aspect, const void* subject) const {
    if (peer_ && !destroyed_) peer_->Update(aspect, subject);
}

// --- Geometry ---

void TControl::SetBounds(const TRect& bounds) {
    if (bounds_ == bounds) return;
    bounds_ = bounds;
    Changed(Aspect::Bounds);
    ChildrenResized();
}

// The peer's client area may change without new bounds (a menu bar added), so
// the children are looked at in any case.
void TControl::PeerResized(const TRect& bounds) {
    bounds_ = bounds;
    ChildrenResized();
}

void TControl::ChildrenResized() {
    const TSize newClient = ClientSize();
    const TSize oldClient = lastClient_;
    lastClient_ = newClient;
    if (newClient == oldClient) return;
    for (TControl* child : std::vector<TControl*>(controls_)) child->ParentResized(oldClient, newClient);
}

// Keeps the distances to the anchored edges; a control anchored to neither
// edge of a direction keeps its share of the free space.
void TControl::ParentResized(TSize oldClient, TSize newClient) {
    const int dw = newClient.Width - oldClient.Width;
    const int dh = newClient.Height - oldClient.Height;
    TRect r = bounds_;
    const bool left = anchors_ & akLeft, right = anchors_ & akRight;
    const bool top = anchors_ & akTop, bottom = anchors_ & akBottom;
    if (left && right) {
        r.Width = std::max(0, r.Width + dw);
    } else if (right) {
        r.Left += dw;
    } else if (!left) {
        r.Left += dw / 2;
    }
    if (top && bottom) {
        r.Height = std::max(0, r.Height + dh);
    } else if (bottom) {
        r.Top += dh;
    } else if (!top) {
        r.Top += dh / 2;
    }
    SetBounds(r);
}

TSize TControl::ClientSize() const {
    if (peer_ && !destroyed_) return peer_->ClientSize();
    return DefaultClientSize();
}

void TControl::SetAnchors(TAnchors anchors) { anchors_ = anchors; }

// --- State ---

void TControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Changed(Aspect::Visible);
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed(Aspect::Enabled);
}

void TControl::SetCaption(std::string caption) {
    if (text_ == caption) return;
    text_ = std::move(caption);
    Changed(Aspect::Text);
    TextChanged();
}

void TControl::SetHint(std::string hint) {
    if (hint_ == hint) return;
    hint_ = std::move(hint);
    Changed(Aspect::Hint);
}

void TControl::SetShowHint(bool show) {
    if (showHint_ == show) return;
    showHint_ = show;
    Changed(Aspect::Hint);
}

// --- Font ---

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont_) ApplyParentFont();
}

void TControl::ApplyParentFont() {
    if (!parent_) return;
    applyingParentFont_ = true;
    font_.Assign(parent_->font_);
    applyingParentFont_ = false;
}

void TControl::FontChanged() {
    if (!applyingParentFont_) parentFont_ = false;
    Changed(Aspect::Font);
    for (TControl* child : controls_) {
        if (child->parentFont_) child->ApplyParentFont();
    }
}

// --- Input ---

void TControl::Click() {
    if (!enabled_) return;  // as on screen: a disabled control takes no clicks
    if (OnClick) {
        OnClick();
    } else if (TAction* action = Action()) {
        action->Execute();
    }
}

void TControl::DblClick() {
    if (enabled_ && OnDblClick) OnDblClick();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (enabled_ && OnMouseDown) OnMouseDown(button, shift, x, y);
}

void TControl::KeyDown(unsigned& key, TShiftState shift) {
    if (enabled_ && OnKeyDown) OnKeyDown(key, shift);
}

void TControl::SetFocus() {
    if (TForm* form = ParentForm(); form && form != this) form->SetActiveControl(this);
    if (peer_) peer_->Focus();
}

bool TControl::Focused() const {
    const TForm* form = ParentForm();
    return form && form->ActiveControl() == this;
}

void TControl::PeerFocused() {
    if (TForm* form = ParentForm(); form && form != this) form->SetActiveControl(this);
}

// --- Published properties ---

void TControl::PublishCaption() {
    PublishString("Caption", [this] { return text_; }, [this](const std::string& v) { SetCaption(v); });
}

void TControl::PublishText() {
    PublishString("Text", [this] { return text_; }, [this](const std::string& v) { SetCaption(v); });
}

void TControl::PublishHint() {
    PublishString("Hint", [this] { return hint_; }, [this](const std::string& v) { SetHint(v); });
}

void TControl::PublishFontProperty() { PublishFont("Font", &font_); }

// --- Action binding ---

ActionState TControl::LinkedState() const {
    return {.caption = text_, .hint = hint_, .enabled = enabled_, .visible = visible_};
}

void TControl::ShowLinked(const ActionState& state, ActionProperties which) {
    if (which & apCaption) SetCaption(state.caption);
    if (which & apHint) SetHint(state.hint);
    if (which & apEnabled) SetEnabled(state.enabled);
    if (which & apVisible) SetVisible(state.visible);
}

}  // namespace ui
