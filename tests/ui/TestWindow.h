// A small window built from a design with one of each kind the program's
// windows use, shared by the toolkit's tests on both backends.
#pragma once

#include "ui/Toolkit.h"

namespace uitest {

inline const ui::FormDesign& TestWindowDesign() {
    using namespace ui;
    static const FormDesign design{
        .caption = "Test window",
        .size = {522, 447},
        .showHint = true,
        .font = {.name = "Tahoma", .size = 8},
        .components = {
            {.kind = Kind::GroupBox, .name = "OptionsGbox", .caption = "Options", .bounds = {8, 8, 498, 96},
             .anchors = akLeft | akTop | akRight},
            {.kind = Kind::RadioButton, .name = "CommonRbtn", .parent = "OptionsGbox", .caption = "Common folder:",
             .bounds = {8, 16, 200, 17}, .options = opt::Checked},
            {.kind = Kind::Edit, .name = "FolderEdit", .parent = "OptionsGbox", .text = "C:\\Restore\\",
             .bounds = {24, 36, 400, 21}, .anchors = akLeft | akTop | akRight, .options = opt::ReadOnly},
            {.kind = Kind::Button, .name = "BrowseBtn", .parent = "OptionsGbox", .bounds = {432, 36, 57, 21},
             .anchors = akTop | akRight, .options = opt::Default, .action = "BrowseActn"},
            {.kind = Kind::RadioButton, .name = "SeparateRbtn", .parent = "OptionsGbox",
             .caption = "Separate folders", .bounds = {8, 64, 200, 17}},
            {.kind = Kind::CheckBox, .name = "ClearChkbx", .caption = "Clear folders first", .hint = "Clears",
             .bounds = {8, 110, 300, 17}},
            {.kind = Kind::ListView, .name = "ListView", .hint = "Elements", .bounds = {8, 132, 498, 120},
             .anchors = akLeft | akTop | akRight | akBottom,
             .options = opt::ReadOnly | opt::MultiSelect | opt::RowSelect | opt::KeepSelection,
             .images = "ListImages",
             .columns = {{.caption = "Backup element", .width = 240}, {.caption = "Destination folder", .autoSize = true}}},
            {.kind = Kind::TreeView, .name = "TreeView", .hint = "Indexes", .bounds = {8, 256, 240, 80},
             .options = opt::ReadOnly, .images = "ListImages", .indent = 19},
            {.kind = Kind::Memo, .name = "LogMemo", .bounds = {256, 256, 250, 80},
             .anchors = akLeft | akRight | akBottom, .options = opt::ReadOnly | opt::VertScroll,
             .lines = {"first line"}},
            {.kind = Kind::Label, .name = "InfoLbl", .caption = "Information", .bounds = {8, 344, 200, 13},
             .options = opt::WordWrap},
            {.kind = Kind::Label, .name = "LinkLbl", .caption = "example.org", .bounds = {216, 344, 100, 13},
             .options = opt::HandCursor,
             .font = FontDesign{.name = "Tahoma", .size = 8, .style = fsBold | fsUnderline, .color = 0xFF0000}},
            {.kind = Kind::Button, .name = "RestoreBtn", .bounds = {248, 364, 75, 25}, .anchors = akRight | akBottom,
             .action = "RestoreActn"},
            {.kind = Kind::Button, .name = "CloseBtn", .bounds = {432, 364, 75, 25}, .anchors = akRight | akBottom,
             .options = opt::Cancel, .action = "CloseActn"},
            {.kind = Kind::Image, .name = "Picture", .bounds = {8, 364, 32, 32}, .picture = "MAINICON"},
            {.kind = Kind::MainMenu, .name = "MainMenu"},
            {.kind = Kind::MenuItem, .name = "File", .parent = "MainMenu", .caption = "&File"},
            {.kind = Kind::MenuItem, .name = "Open", .parent = "File", .action = "OpenActn"},
            {.kind = Kind::MenuItem, .name = "N1", .parent = "File", .caption = "-"},
            {.kind = Kind::MenuItem, .name = "Exit", .parent = "File", .action = "CloseActn"},
            {.kind = Kind::MenuItem, .name = "Help", .parent = "MainMenu", .caption = "&Help"},
            {.kind = Kind::MenuItem, .name = "About", .parent = "Help", .caption = "&About..."},
            {.kind = Kind::ActionList, .name = "ActionList"},
            {.kind = Kind::Action, .name = "BrowseActn", .parent = "ActionList", .caption = "..."},
            {.kind = Kind::Action, .name = "RestoreActn", .parent = "ActionList", .caption = "Restore",
             .hint = "Restore current backup", .shortcut = "Ctrl+R"},
            {.kind = Kind::Action, .name = "CloseActn", .parent = "ActionList", .caption = "Exit"},
            {.kind = Kind::Action, .name = "OpenActn", .parent = "ActionList", .caption = "Open...",
             .shortcut = "Ctrl+O"},
            {.kind = Kind::ImageList, .name = "ListImages", .options = opt::ShareImages},
            {.kind = Kind::OpenDialog, .name = "OpenDialog", .title = "Open backup index file",
             .filter = "Index files (*.lxi)|*.lxi|All files (*.*)|*.*", .defaultExt = "lxi",
             .openOptions = ofHideReadOnly | ofPathMustExist | ofFileMustExist | ofEnableSizing},
        }};
    return design;
}

// The test window; its components by kind for convenient access.
class TTestWindow : public ui::TForm {
public:
    explicit TTestWindow(ui::Application& app, ui::Component* owner = nullptr)
        : TForm(app, owner, "TestWindow", "TTestWindow") {
        Build(TestWindowDesign());
    }
    ui::TRadioButton& CommonRbtn() const { return Get<ui::TRadioButton>("CommonRbtn"); }
    ui::TRadioButton& SeparateRbtn() const { return Get<ui::TRadioButton>("SeparateRbtn"); }
    ui::TEdit& FolderEdit() const { return Get<ui::TEdit>("FolderEdit"); }
    ui::TCheckBox& ClearChkbx() const { return Get<ui::TCheckBox>("ClearChkbx"); }
    ui::TListView& List() const { return Get<ui::TListView>("ListView"); }
    ui::TTreeView& Tree() const { return Get<ui::TTreeView>("TreeView"); }
    ui::TMemo& Log() const { return Get<ui::TMemo>("LogMemo"); }
    ui::TButton& RestoreBtn() const { return Get<ui::TButton>("RestoreBtn"); }
    ui::TButton& CloseBtn() const { return Get<ui::TButton>("CloseBtn"); }
    ui::TButton& BrowseBtn() const { return Get<ui::TButton>("BrowseBtn"); }
    ui::TAction& RestoreActn() const { return Get<ui::TAction>("RestoreActn"); }
    ui::TAction& CloseActn() const { return Get<ui::TAction>("CloseActn"); }
    ui::TAction& OpenActn() const { return Get<ui::TAction>("OpenActn"); }
    ui::TMenuItem& MenuItem(const char* name) const { return Get<ui::TMenuItem>(name); }
};

}  // namespace uitest
