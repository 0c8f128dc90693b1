// Windows built from declarative designs.
#include "HeadlessApp.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using uitest::TTestWindow;

TEST(Design, ComponentsAreOwnedInDesignOrderWithTheirParents) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    const auto& design = uitest::TestWindowDesign().components;
    ASSERT_EQ(window.ComponentCount(), static_cast<int>(design.size()));
    for (std::size_t i = 0; i < design.size(); ++i) {
        EXPECT_EQ(window.Components()[i]->Name(), design[i].name);
    }
    EXPECT_EQ(window.FolderEdit().Parent(), &window.Get<ui::TGroupBox>("OptionsGbox"));
    EXPECT_EQ(window.List().Parent(), &window);
    EXPECT_EQ(window.ClassName(), "TTestWindow");
    EXPECT_EQ(window.Caption(), "Test window");
}

TEST(Design, TextsAndOptionsReachTheComponents) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    EXPECT_TRUE(window.CommonRbtn().Checked());
    EXPECT_FALSE(window.SeparateRbtn().Checked());
    EXPECT_EQ(window.FolderEdit().Text(), "C:\\Restore\\");
    EXPECT_TRUE(window.FolderEdit().ReadOnly());
    EXPECT_EQ(window.ClearChkbx().Hint(), "Clears");
    EXPECT_EQ(window.Log().Lines().Lines(), std::vector<std::string>{"first line"});
    EXPECT_EQ(window.Log().ScrollBars(), ui::TScrollStyle::ssVertical);
    EXPECT_FALSE(window.Log().WordWrap());
    EXPECT_TRUE(window.Get<ui::TLabel>("InfoLbl").WordWrap());
    EXPECT_TRUE(window.BrowseBtn().Default());
    EXPECT_EQ(window.DefaultButton(), &window.BrowseBtn());
    EXPECT_EQ(window.CancelButton(), &window.CloseBtn());

    ui::TListView& list = window.List();
    EXPECT_TRUE(list.MultiSelect());
    EXPECT_TRUE(list.RowSelect());
    EXPECT_FALSE(list.HideSelection());
    ASSERT_EQ(list.Columns().Count(), 2);
    EXPECT_EQ(list.Columns()[0].Caption(), "Backup element");
    EXPECT_EQ(list.Columns()[0].Width(), 240);
    EXPECT_TRUE(list.Columns()[1].AutoSize());
    EXPECT_EQ(list.SmallImages(), &window.Get<ui::TImageList>("ListImages"));
    EXPECT_EQ(window.Tree().Indent(), 19);

    auto& dialog = window.Get<ui::TOpenDialog>("OpenDialog");
    EXPECT_EQ(dialog.Title(), "Open backup index file");
    EXPECT_EQ(dialog.DefaultExt(), "lxi");
    EXPECT_EQ(dialog.FilterIndex(), 1);
}

TEST(Design, FontsFollowTheFormUnlessGivenTheirOwn) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    EXPECT_EQ(window.List().Font().Name, "Tahoma");
    EXPECT_TRUE(window.List().ParentFont());
    const ui::TFont& link = window.Get<ui::TLabel>("LinkLbl").Font();
    EXPECT_FALSE(window.Get<ui::TLabel>("LinkLbl").ParentFont());
    EXPECT_EQ(link.Style, ui::fsBold | ui::fsUnderline);
    EXPECT_EQ(link.Color, 0xFF0000);

    // A translated window font reaches every control that follows it.
    window.Font().SetSize(10);
    window.Font().Charset = 204;
    window.Font().Changed();
    EXPECT_EQ(window.List().Font().Size, 10);
    EXPECT_EQ(window.FolderEdit().Font().Charset, 204);  // inside the group box
    EXPECT_EQ(link.Size, 8);
}

TEST(Design, ActionsGiveBoundControlsAndMenuItemsTheirTexts) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    EXPECT_EQ(window.RestoreBtn().Caption(), "Restore");
    EXPECT_EQ(window.RestoreBtn().Hint(), "Restore current backup");
    EXPECT_EQ(window.BrowseBtn().Caption(), "...");
    EXPECT_EQ(window.MenuItem("Open").Caption(), "Open...");
    EXPECT_EQ(window.MenuItem("Open").ShortCut(), ui::TextToShortCut("Ctrl+O"));
    EXPECT_EQ(window.MenuItem("Exit").Action(), &window.CloseActn());
}

TEST(Design, MenuItemsFormTheMenuTree) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ASSERT_NE(window.Menu(), nullptr);
    ui::TMenuItem& root = window.Menu()->Items();
    ASSERT_EQ(root.Count(), 2);
    EXPECT_EQ(root.Item(0).Name(), "File");
    EXPECT_EQ(root.Item(1).Name(), "Help");
    ui::TMenuItem& file = root.Item(0);
    ASSERT_EQ(file.Count(), 3);
    EXPECT_TRUE(file.Item(1).IsSeparator());
    EXPECT_EQ(file.Item(2).Caption(), "Exit");
    EXPECT_EQ(window.MenuItem("About").Parent(), &root.Item(1));
    // Menu items are owned by the form, the root item by the menu.
    EXPECT_EQ(window.MenuItem("About").Owner(), &window);
    EXPECT_EQ(root.Owner(), window.Menu());
}

// Bounds are client coordinates below the menu bar; anchored controls follow
// when the window is resized.
TEST(Design, AnchorsKeepDistancesWhenTheWindowIsResized) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    const ui::TRect list = window.List().BoundsRect();
    const ui::TRect close = window.CloseBtn().BoundsRect();
    const ui::TRect browse = window.BrowseBtn().BoundsRect();
    const ui::TRect info = window.Get<ui::TLabel>("InfoLbl").BoundsRect();

    window.SetBounds({0, 0, 522 + 100, 447 + 50});

    EXPECT_EQ(window.List().BoundsRect(), (ui::TRect{list.Left, list.Top, list.Width + 100, list.Height + 50}));
    EXPECT_EQ(window.CloseBtn().BoundsRect(), (ui::TRect{close.Left + 100, close.Top + 50, 75, 25}));
    // Inside the group box, which grew by the same width.
    EXPECT_EQ(window.BrowseBtn().BoundsRect(), (ui::TRect{browse.Left + 100, browse.Top, 57, 21}));
    EXPECT_EQ(window.Get<ui::TLabel>("InfoLbl").BoundsRect(), info);
}

TEST(Design, ClientSizeGivesTheOuterSizeOfTheFrame) {
    uitest::HeadlessApp h;
    ui::TForm form(h.app, nullptr, "About");
    form.Build({.caption = "About", .clientSize = {367, 179}, .borderStyle = ui::TBorderStyle::bsDialog});
    EXPECT_EQ(form.ClientSize(), (ui::TSize{367, 179}));
    EXPECT_GT(form.Width(), 367);
}

TEST(Design, CustomComponentsAreCreatedInTheirPlace) {
    uitest::HeadlessApp h;
    ui::TForm form(h.app, nullptr, "Form");
    form.Build({.components = {
                    {.kind = ui::Kind::Label, .name = "Lbl", .caption = "x"},
                    {.kind = ui::Kind::Custom,
                     .name = "Unzipper",
                     .create = [](ui::TForm& f, const std::string& name) {
                         return new ui::Component(&f, name, {"TUnZipper"});
                     }},
                    {.kind = ui::Kind::Timer, .name = "Timer"},
                }});
    ASSERT_EQ(form.ComponentCount(), 3);
    EXPECT_EQ(form.Components()[1]->ClassName(), "TUnZipper");
}

TEST(Design, FaultyDesignsAreRefusedWithTheComponentNamed) {
    using ui::Kind;
    struct Case {
        const char* what;
        std::vector<ui::ComponentDesign> components;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"unknown parent", {{.kind = Kind::Button, .name = "B", .parent = "Gbox"}}, "B: no control"},
        {"name twice", {{.kind = Kind::Label, .name = "L"}, {.kind = Kind::Label, .name = "L"}}, "used twice"},
        {"no name", {{.kind = Kind::Label}}, "needs a name"},
        {"unknown action", {{.kind = Kind::Button, .name = "B", .action = "GoActn"}}, "no action named \"GoActn\""},
        {"action on an image list",
         {{.kind = Kind::ImageList, .name = "I"},
          {.kind = Kind::ActionList, .name = "AL"},
          {.kind = Kind::Action, .name = "A", .parent = "AL"},
          {.kind = Kind::ImageList, .name = "J", .action = "A"}},
         "cannot show an action"},
        {"menu item without menu", {{.kind = Kind::MenuItem, .name = "M"}}, "needs a menu"},
        {"menu item below a button",
         {{.kind = Kind::Button, .name = "B"}, {.kind = Kind::MenuItem, .name = "M", .parent = "B"}},
         "no menu or menu item"},
        {"action outside a list", {{.kind = Kind::Action, .name = "A"}}, "action list"},
        {"images on a button",
         {{.kind = Kind::ImageList, .name = "I"}, {.kind = Kind::Button, .name = "B", .images = "I"}},
         "shows no images"},
        {"parent of a dialog",
         {{.kind = Kind::GroupBox, .name = "G"}, {.kind = Kind::OpenDialog, .name = "D", .parent = "G"}},
         "has no parent"},
        {"custom without create", {{.kind = Kind::Custom, .name = "X"}}, "create function"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        uitest::HeadlessApp h;
        ui::TForm form(h.app, nullptr, "Form");
        try {
            form.Build({.components = c.components});
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
        }
    }
}

TEST(Design, GetRefusesAMissingNameOrAnotherKind) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    EXPECT_THROW(window.Get<ui::TButton>("NoSuchBtn"), std::logic_error);
    EXPECT_THROW(window.Get<ui::TButton>("ListView"), std::logic_error);
}

}  // namespace
