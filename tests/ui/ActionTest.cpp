// Actions: update rules at idle time, how bound controls and menu items follow
// an action, execution, shortcuts, and the end of either side of a binding.
#include "HeadlessApp.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using uitest::TTestWindow;

TEST(Actions, IdleRunsUpdateRulesAndBoundControlsFollow) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    bool haveRows = false;
    window.RestoreActn().OnUpdate = [&](ui::TAction& a) { a.SetEnabled(haveRows); };
    window.CloseActn().OnUpdate = [&](ui::TAction& a) { a.SetEnabled(!haveRows); };
    window.Show();

    h.app.Idle();
    EXPECT_FALSE(window.RestoreBtn().Enabled());
    EXPECT_TRUE(window.CloseBtn().Enabled());
    EXPECT_TRUE(window.MenuItem("Exit").Enabled());

    haveRows = true;
    h.app.Idle();
    EXPECT_TRUE(window.RestoreBtn().Enabled());
    EXPECT_FALSE(window.CloseBtn().Enabled());
    EXPECT_FALSE(window.MenuItem("Exit").Enabled());
}

TEST(Actions, IdleLeavesHiddenFormsAndFormsBehindAModalOneAlone) {
    uitest::HeadlessApp h;
    TTestWindow main(h.app);
    TTestWindow dialog(h.app, &main);
    int mainUpdates = 0, dialogUpdates = 0;
    main.RestoreActn().OnUpdate = [&](ui::TAction&) { ++mainUpdates; };
    dialog.RestoreActn().OnUpdate = [&](ui::TAction&) { ++dialogUpdates; };

    h.app.Idle();
    EXPECT_EQ(mainUpdates, 0);  // not showing yet

    main.Show();
    h.backend.OnModal = [&](ui::TForm&) {
        const int before = mainUpdates;
        h.app.Idle();
        EXPECT_EQ(mainUpdates, before);
        return ui::mrOk;
    };
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_GE(dialogUpdates, 2);  // once as the modal loop starts, once by the responder
    EXPECT_TRUE(main.AcceptsInput());

    const int before = mainUpdates;
    h.app.Idle();
    EXPECT_EQ(mainUpdates, before + 1);
}

TEST(Actions, ExecuteRunsTheUpdateRuleFirstAndSkipsADisabledAction) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    bool allowed = false;
    int runs = 0;
    ui::TAction& action = window.RestoreActn();
    action.OnUpdate = [&](ui::TAction& a) { a.SetEnabled(allowed); };
    action.OnExecute = [&](ui::TAction&) { ++runs; };

    EXPECT_FALSE(action.Execute());
    EXPECT_EQ(runs, 0);
    allowed = true;
    EXPECT_TRUE(action.Execute());
    EXPECT_EQ(runs, 1);

    // A click on the bound button executes it; a disabled button takes no click.
    window.RestoreBtn().Click();
    EXPECT_EQ(runs, 2);
    allowed = false;
    h.app.Idle();  // not showing: nothing updated
    action.Update();
    EXPECT_FALSE(window.RestoreBtn().Enabled());
    window.RestoreBtn().Click();
    EXPECT_EQ(runs, 2);
}

// A client follows the action's caption only while it shows the action's caption.
TEST(Actions, ClientsKeepATextOfTheirOwn) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ui::TAction& close = window.CloseActn();
    close.SetCaption("Beenden");
    EXPECT_EQ(window.CloseBtn().Caption(), "Beenden");
    EXPECT_EQ(window.MenuItem("Exit").Caption(), "Beenden");

    window.MenuItem("Exit").SetCaption("E&xit program");
    close.SetCaption("Quit");
    EXPECT_EQ(window.CloseBtn().Caption(), "Quit");
    EXPECT_EQ(window.MenuItem("Exit").Caption(), "E&xit program");

    // Enabled state changes keep the item's own caption.
    close.SetEnabled(false);
    EXPECT_FALSE(window.MenuItem("Exit").Enabled());
    EXPECT_EQ(window.MenuItem("Exit").Caption(), "E&xit program");
}

// The rule by which a client follows its action, property by property.
TEST(Actions, AClientFollowsOnlyTheValuesStillEqualToTheAction) {
    using ui::ActionState;
    const ui::TShortCut ctrlQ = ui::scCtrl | 'Q', ctrlX = ui::scCtrl | 'X';
    struct Case {
        const char* what;
        ActionState own, from, to;
        ActionState followed;
        ui::ActionProperties changed;
    };
    const Case cases[] = {
        {"caption shown", {.caption = "Exit"}, {.caption = "Exit"}, {.caption = "Quit"}, {.caption = "Quit"},
         ui::apCaption},
        {"caption of its own", {.caption = "E&xit"}, {.caption = "Exit"}, {.caption = "Quit"}, {.caption = "E&xit"}, 0},
        {"hint shown", {.hint = "Ends"}, {.hint = "Ends"}, {.hint = "Closes"}, {.hint = "Closes"}, ui::apHint},
        {"hint of its own", {.hint = "Mine"}, {.hint = "Ends"}, {.hint = "Closes"}, {.hint = "Mine"}, 0},
        {"disabled", {}, {}, {.enabled = false}, {.enabled = false}, ui::apEnabled},
        {"enabled again while hidden", {.enabled = false, .visible = false}, {.enabled = false, .visible = false},
         {.visible = false}, {.visible = false}, ui::apEnabled},
        {"hidden while disabled", {.enabled = false}, {.enabled = false}, {.enabled = false, .visible = false},
         {.enabled = false, .visible = false}, ui::apVisible},
        {"checked", {}, {}, {.checked = true}, {.checked = true}, ui::apChecked},
        {"unchecked while hidden", {.visible = false, .checked = true}, {.visible = false, .checked = true},
         {.visible = false}, {.visible = false}, ui::apChecked},
        {"shortcut shown", {.shortCut = ctrlQ}, {.shortCut = ctrlQ}, {.shortCut = ctrlX}, {.shortCut = ctrlX},
         ui::apShortCut},
        {"shortcut of its own", {.shortCut = ui::scNone}, {.shortCut = ctrlQ}, {.shortCut = ctrlX},
         {.shortCut = ui::scNone}, 0},
        // Already showing the new value: nothing to show again.
        {"own value equal to the new one", {.caption = "Quit"}, {.caption = "Exit"}, {.caption = "Quit"},
         {.caption = "Quit"}, 0},
        // A property the action keeps is left alone, though the client's differs.
        {"other property differs", {.caption = "Mine", .enabled = false}, {.caption = "Exit"},
         {.caption = "Exit", .enabled = false}, {.caption = "Mine", .enabled = false}, 0},
        {"several at once", {.caption = "Mine", .hint = "Ends"}, {.caption = "Exit", .hint = "Ends"},
         {.caption = "Quit", .hint = "Closes", .visible = false}, {.caption = "Mine", .hint = "Closes", .visible = false},
         ui::apHint | ui::apVisible},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActionState own = c.own;
        EXPECT_EQ(own.Follow(c.from, c.to), c.changed);
        EXPECT_TRUE(own == c.followed) << own.caption << " / " << own.hint;
    }
}

// Every property an action changes reaches the bound menu item, and those a
// control shows reach the bound button.
TEST(Actions, BoundClientsShowEveryChangedProperty) {
    const ui::TShortCut ctrlQ = ui::scCtrl | 'Q';
    struct Case {
        const char* what;
        std::function<void(ui::TAction&)> change;
        std::function<bool(const ui::TMenuItem&)> itemShows;
        std::function<bool(const ui::TControl&)> controlShows;  // empty: controls do not show it
    };
    const Case cases[] = {
        {"caption", [](ui::TAction& a) { a.SetCaption("Quit"); },
         [](const ui::TMenuItem& i) { return i.Caption() == "Quit"; },
         [](const ui::TControl& c) { return c.Caption() == "Quit"; }},
        {"hint", [](ui::TAction& a) { a.SetHint("Ends the program"); },
         [](const ui::TMenuItem& i) { return i.Hint() == "Ends the program"; },
         [](const ui::TControl& c) { return c.Hint() == "Ends the program"; }},
        {"enabled", [](ui::TAction& a) { a.SetEnabled(false); }, [](const ui::TMenuItem& i) { return !i.Enabled(); },
         [](const ui::TControl& c) { return !c.Enabled(); }},
        {"visible", [](ui::TAction& a) { a.SetVisible(false); }, [](const ui::TMenuItem& i) { return !i.Visible(); },
         [](const ui::TControl& c) { return !c.Visible(); }},
        {"checked", [](ui::TAction& a) { a.SetChecked(true); }, [](const ui::TMenuItem& i) { return i.Checked(); }, {}},
        {"shortcut", [&](ui::TAction& a) { a.SetShortCut(ctrlQ); },
         [&](const ui::TMenuItem& i) { return i.ShortCut() == ctrlQ; }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        uitest::HeadlessApp h;
        TTestWindow window(h.app);
        c.change(window.CloseActn());
        EXPECT_TRUE(c.itemShows(window.MenuItem("Exit")));
        if (c.controlShows) {
            EXPECT_TRUE(c.controlShows(window.CloseBtn()));
        }
    }
}

TEST(Actions, ShortCutsExecuteEnabledActions) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    int restores = 0, opens = 0;
    window.RestoreActn().OnExecute = [&](ui::TAction&) { ++restores; };
    window.OpenActn().OnExecute = [&](ui::TAction&) { ++opens; };

    EXPECT_TRUE(window.IsShortCut(ui::TextToShortCut("Ctrl+R")));
    EXPECT_TRUE(window.IsShortCut(ui::TextToShortCut("Ctrl+O")));  // through the menu item
    EXPECT_FALSE(window.IsShortCut(ui::TextToShortCut("Ctrl+Q")));
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(opens, 1);

    window.RestoreActn().OnUpdate = [](ui::TAction& a) { a.SetEnabled(false); };
    EXPECT_FALSE(window.IsShortCut(ui::TextToShortCut("Ctrl+R")));
    EXPECT_EQ(restores, 1);
}

TEST(Actions, EitherSideOfABindingMayGoFirst) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    auto* action = new ui::TAction(&window, "TempActn");
    auto* button = new ui::TButton(&window, "TempBtn");
    button->SetParent(&window);
    button->SetAction(action);
    ASSERT_EQ(action->Clients().size(), 1u);
    delete action;
    EXPECT_EQ(button->Action(), nullptr);
    button->Click();  // nothing to execute, nothing to crash

    action = new ui::TAction(&window, "TempActn2");
    action->SetActionList(&window.Get<ui::TActionList>("ActionList"));
    button->SetAction(action);
    delete button;
    EXPECT_TRUE(action->Clients().empty());
    delete action;
    EXPECT_EQ(window.Get<ui::TActionList>("ActionList").Actions().size(), 4u);
}

TEST(ShortCut, TextRoundTrip) {
    struct Case {
        const char* text;
        ui::TShortCut value;
        const char* shown;
    };
    const Case cases[] = {
        {"Ctrl+R", ui::scCtrl | 'R', "Ctrl+R"},
        {"ctrl+o", ui::scCtrl | 'O', "Ctrl+O"},
        {"Shift+Ctrl+F5", ui::scShift | ui::scCtrl | 0x74, "Shift+Ctrl+F5"},
        {"Alt+Del", ui::scAlt | 0x2E, "Alt+Del"},
        {"F12", 0x7B, "F12"},
        {"", ui::scNone, ""},
        {"Ctrl+", ui::scNone, ""},
        {"Ctrl+F13", ui::scNone, ""},
        {"Hyper+A", ui::scNone, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ui::TextToShortCut(c.text), c.value);
        EXPECT_EQ(ui::ShortCutToText(c.value), c.shown);
    }
}

}  // namespace
