// Actions: a caption, hint, shortcut and enabled state shared by the controls
// and menu items bound to them, an update rule the application runs whenever
// it is idle, and an execute handler.
#pragma once

#include "ui/Component.h"
#include "ui/ShortCut.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class TAction;

// The properties an action shares with the controls and menu items bound to it.
enum ActionProperty : unsigned {
    apCaption = 1, apHint = 2, apEnabled = 4, apVisible = 8, apChecked = 16, apShortCut = 32, apAll = 63
};
using ActionProperties = unsigned;

// The values of those properties: an action's, or a client's own.
struct ActionState {
    std::string caption{};
    std::string hint{};
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    TShortCut shortCut = scNone;

    bool operator==(const ActionState&) const = default;

    // How a client follows its action changing from `from` to `to`: each value
    // of this state that still equals the action's old one takes the new one;
    // a value the client was given itself stays. Returns what changed here.
    ActionProperties Follow(const ActionState& from, const ActionState& to);
};

// A control or menu item that can be bound to an action. Bound, it takes every
// property of the action; afterwards it follows the action by
// ActionState::Follow, so a caption given to the client itself stays.
class ActionClient {
public:
    ActionClient() = default;
    ActionClient(const ActionClient&) = delete;
    ActionClient& operator=(const ActionClient&) = delete;
    virtual ~ActionClient();

    TAction* Action() const { return action_; }
    void SetAction(TAction* action);

protected:
    // The client's own values; those of properties it does not show are ignored.
    virtual ActionState LinkedState() const = 0;
    // Shows the properties `which` of `state`, through the client's own setters.
    virtual void ShowLinked(const ActionState& state, ActionProperties which) = 0;

private:
    friend class TAction;
    void ActionChanged(const ActionState& from, const ActionState& to);

    TAction* action_ = nullptr;
};

class TActionList : public Component {
public:
    TActionList(Component* owner, std::string name);
    ~TActionList() override;
    const std::vector<TAction*>& Actions() const { return actions_; }

private:
    friend class TAction;
    std::vector<TAction*> actions_;
};

class TAction : public Component {
public:
    TAction(Component* owner, std::string name);
    ~TAction() override;

    TActionList* ActionList() const { return list_; }
    void SetActionList(TActionList* list);

    const ActionState& State() const { return state_; }
    const std::string& Caption() const { return state_.caption; }
    void SetCaption(std::string caption);
    const std::string& Hint() const { return state_.hint; }
    void SetHint(std::string hint);
    bool Enabled() const { return state_.enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return state_.visible; }
    void SetVisible(bool visible);
    bool Checked() const { return state_.checked; }
    void SetChecked(bool checked);
    TShortCut ShortCut() const { return state_.shortCut; }
    void SetShortCut(TShortCut shortCut);

    // The update rule: sets Enabled (and whatever else) from the program's state.
    std::function<void(TAction&)> OnUpdate;
    std::function<void(TAction&)> OnExecute;

    // Runs the update rule; false when there is none.
    bool Update();
    // Runs the update rule, then the execute handler if the action is enabled.
    // True when the handler ran.
    bool Execute();

    const std::vector<ActionClient*>& Clients() const { return clients_; }

private:
    friend class ActionClient;
    friend class TActionList;
    // Tells the clients, then stores the new value.
    template <typename T>
    void Change(T ActionState::*property, T value);

    ActionState state_;
    TActionList* list_ = nullptr;
    std::vector<ActionClient*> clients_;
};

}  // namespace ui
