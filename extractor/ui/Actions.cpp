#include "ui/Actions.h"

#include <algorithm>

namespace ui {
namespace {

template <typename T>
void Erase(std::vector<T*>& list, T* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

// --- ActionClient ---

ActionClient::~ActionClient() {
    if (action_) Erase(action_->clients_, this);
}

void ActionClient::SetAction(TAction* action) {
    if (action_ == action) return;
    if (action_) Erase(action_->clients_, this);
    action_ = action;
    if (action_) {
        action_->clients_.push_back(this);
        ActionAssigned(*action_);
    }
}

// --- TActionList ---

TActionList::TActionList(Component* owner, std::string name)
    : Component(owner, std::move(name), {"TActionList", "TCustomActionList"}) {}

TActionList::~TActionList() {
    for (TAction* action : actions_) action->list_ = nullptr;
}

// --- TAction ---

TAction::TAction(Component* owner, std::string name)
    : Component(owner, std::move(name), {"TAction", "TCustomAction", "TContainedAction", "TBasicAction"}) {
    PublishString("Caption", [this] { return caption_; }, [this](const std::string& v) { SetCaption(v); });
    PublishString("Hint", [this] { return hint_; }, [this](const std::string& v) { SetHint(v); });
}

TAction::~TAction() {
    SetActionList(nullptr);
    for (ActionClient* client : clients_) client->action_ = nullptr;
}

void TAction::SetActionList(TActionList* list) {
    if (list_ == list) return;
    if (list_) Erase(list_->actions_, this);
    list_ = list;
    if (list_) list_->actions_.push_back(this);
}

// Each setter tells the clients before storing, so that they can compare
// their own value with the old one. A client may unbind itself meanwhile,
// so the loops work on a copy.
void TAction::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    for (ActionClient* c : std::vector<ActionClient*>(clients_)) c->ActionCaptionChanged(caption_, caption);
    caption_ = std::move(caption);
}

void TAction::SetHint(std::string hint) {
    if (hint_ == hint) return;
    for (ActionClient* c : std::vector<ActionClient*>(clients_)) c->ActionHintChanged(hint_, hint);
    hint_ = std::move(hint);
}

void TAction::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    for (ActionClient* c : std::vector<ActionClient*>(clients_)) c->ActionEnabledChanged(enabled_, enabled);
    enabled_ = enabled;
}

void TAction::SetVisible(bool visible) {
    if (visible_ == visible) return;
    for (ActionClient* c : std::vector<ActionClient*>(clients_)) c->ActionVisibleChanged(visible_, visible);
    visible_ = visible;
}

void TAction::SetChecked(bool checked) {
    if (checked_ == checked) return;
    for (ActionClient* c : std::vector<ActionClient*>(clients_)) c->ActionCheckedChanged(checked_, checked);
    checked_ = checked;
}

void TAction::SetShortCut(TShortCut shortCut) {
    if (shortCut_ == shortCut) return;
    for (ActionClient* c : std::vector<ActionClient*>(clients_)) c->ActionShortCutChanged(shortCut_, shortCut);
    shortCut_ = shortCut;
}

bool TAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(*this);
    return true;
}

bool TAction::Execute() {
    Update();
    if (!enabled_ || !OnExecute) return false;
    OnExecute(*this);
    return true;
}

}  // namespace ui
