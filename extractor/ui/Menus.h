// The main menu of a form and its items. Menu items are owned by the form like
// any other component; structurally each sits below the menu's root item or
// below another item. An item whose caption is "-" is a separator.
#pragma once

#include "ui/Actions.h"
#include "ui/Component.h"
#include "ui/ShortCut.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class TMainMenu;

// Publishes Caption and Hint.
class TMenuItem : public Component, public ActionClient {
public:
    TMenuItem(Component* owner, std::string name);
    ~TMenuItem() override;

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
    bool IsSeparator() const { return state_.caption == "-"; }

    TMenuItem* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    int IndexOf(const TMenuItem& item) const;
    void Add(TMenuItem& item);
    void Remove(TMenuItem& item);
    // The main menu this item belongs to, or null.
    TMainMenu* Menu() const;

    std::function<void()> OnClick;
    // Runs OnClick, or else executes the bound action. A disabled item does nothing.
    void Click();

    // Where the backend keeps the item on screen.
    struct PeerPlace {
        void* menu = nullptr;
        int position = -1;
        unsigned command = 0;
    };
    PeerPlace& Place() { return place_; }
    const PeerPlace& Place() const { return place_; }

protected:
    // ActionClient: an item shows every property of an action.
    ActionState LinkedState() const override { return state_; }
    void ShowLinked(const ActionState& state, ActionProperties which) override;

private:
    friend class TMainMenu;
    void Changed(bool structure);

    ActionState state_;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    TMainMenu* menu_ = nullptr;  // set on the root item only
    PeerPlace place_;
};

// Publishes Items (the root menu item, not a string list).
class TMainMenu : public Component {
public:
    TMainMenu(Component* owner, std::string name);
    ~TMainMenu() override;

    TMenuItem& Items() const { return *root_; }
    // Finds an item with this shortcut that is enabled, or null.
    TMenuItem* FindShortCut(TShortCut shortCut) const;

    // The form that shows the menu hears of every change.
    std::function<void(TMenuItem* item, bool structure)> OnChange;

private:
    friend class TMenuItem;
    TMenuItem* root_;
};

}  // namespace ui
