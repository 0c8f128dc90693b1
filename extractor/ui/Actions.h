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

// A control or menu item that can be bound to an action. A client follows a
// change of the action's property only while its own value still equals the
// action's old value, so a caption given to the client itself stays.
class ActionClient {
public:
    ActionClient() = default;
    ActionClient(const ActionClient&) = delete;
    ActionClient& operator=(const ActionClient&) = delete;
    virtual ~ActionClient();

    TAction* Action() const { return action_; }
    void SetAction(TAction* action);

protected:
    // Bound: take every property of the action.
    virtual void ActionAssigned(const TAction& action) = 0;
    virtual void ActionCaptionChanged(const std::string& oldValue, const std::string& newValue) = 0;
    virtual void ActionHintChanged(const std::string& oldValue, const std::string& newValue) = 0;
    virtual void ActionEnabledChanged(bool oldValue, bool newValue) = 0;
    virtual void ActionVisibleChanged(bool oldValue, bool newValue) = 0;
    virtual void ActionCheckedChanged(bool, bool) {}
    virtual void ActionShortCutChanged(TShortCut, TShortCut) {}

private:
    friend class TAction;
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

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    TShortCut ShortCut() const { return shortCut_; }
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
    std::string caption_;
    std::string hint_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    TShortCut shortCut_ = scNone;
    TActionList* list_ = nullptr;
    std::vector<ActionClient*> clients_;
};

}  // namespace ui
