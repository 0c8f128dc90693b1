#include "ui/Actions.h"

#include <algorithm>

namespace ui {
namespace {

template <typename T>
void Erase(std::vector<T*>& list, T* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

template <typename T>
void FollowValue(T& own, const T& from, const T& to, ActionProperty property, ActionProperties& changed) {
    if (from == to || own != from) return;
    own = to;
    changed |= property;
}

}  // namespace

// --- ActionState ---

ActionProperties ActionState::Follow(const ActionState& from, const ActionState& to) {
    ActionProperties changed = 0;
    FollowValue(caption, from.caption, to.caption, apCaption, changed);
    FollowValue(hint, from.hint, to.hint, apHint, changed);
    FollowValue(enabled, from.enabled, to.enabled, apEnabled, changed);
    FollowValue(visible, from.visible, to.visible, apVisible, changed);
    FollowValue(checked, from.checked, to.checked, apChecked, changed);
    FollowValue(shortCut, from.shortCut, to.shortCut, apShortCut, changed);
    return changed;
}

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
        ShowLinked(action_->state_, apAll);
    }
}

void ActionClient::ActionChanged(const ActionState& from, const ActionState& to) {
    ActionState own = LinkedState();
    if (const ActionProperties changed = own.Follow(from, to)) ShowLinked(own, changed);
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
    PublishString("Caption", [this] { return state_.caption; }, [this](const std::string& v) { SetCaption(v); });
    PublishString("Hint", [this] { return state_.hint; }, [this](const std::string& v) { SetHint(v); });
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

// The clients hear of a change before it is stored, so that whatever they do
// meanwhile still sees the old value; only the one property is stored after,
// so another one set meanwhile stays. A client may unbind itself meanwhile, so
// the loop works on a copy.
template <typename T>
void TAction::Change(T ActionState::*property, T value) {
    if (state_.*property == value) return;
    ActionState next = state_;
    next.*property = std::move(value);
    for (ActionClient* c : std::vector<ActionClient*>(clients_)) c->ActionChanged(state_, next);
    state_.*property = std::move(next.*property);
}

void TAction::SetCaption(std::string caption) { Change(&ActionState::caption, std::move(caption)); }
void TAction::SetHint(std::string hint) { Change(&ActionState::hint, std::move(hint)); }
void TAction::SetEnabled(bool enabled) { Change(&ActionState::enabled, enabled); }
void TAction::SetVisible(bool visible) { Change(&ActionState::visible, visible); }
void TAction::SetChecked(bool checked) { Change(&ActionState::checked, checked); }
void TAction::SetShortCut(TShortCut shortCut) { Change(&ActionState::shortCut, shortCut); }

bool TAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(*this);
    return true;
}

bool TAction::Execute() {
    Update();
    if (!state_.enabled || !OnExecute) return false;
    OnExecute(*this);
    return true;
}

}  // namespace ui
