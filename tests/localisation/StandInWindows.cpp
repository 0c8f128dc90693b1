#include "StandInWindows.h"

#include "localisation/MessageLists.h"
#include "localisation/SMLFormLangRes.h"
#include "localisation/SMLMenuLangRes.h"
#include "localisation/SMLMsgLangRes.h"

namespace loctest {
namespace {

using namespace ui;
using localisation::TsmlFormLangRes;
using localisation::TsmlMenuLangRes;
using localisation::TsmlMsgLangRes;

ComponentDesign FormLangRes() {
    return {.name = "smlFormLangRes",
            .create = [](TForm& f, const std::string& n) -> Component* { return new TsmlFormLangRes(&f, n); }};
}
ComponentDesign MsgLangRes() {
    return {.name = "smlMsgLangRes",
            .create = [](TForm& f, const std::string& n) -> Component* { return new TsmlMsgLangRes(&f, n); }};
}
ComponentDesign MenuLangRes() {
    return {.name = "smlMenuLangRes",
            .create = [](TForm& f, const std::string& n) -> Component* { return new TsmlMenuLangRes(&f, n); }};
}
ComponentDesign Unzipper() {
    return {.name = "Unzipper",
            .create = [](TForm& f, const std::string& n) -> Component* { return new Component(&f, n, {"TUnZipper"}); }};
}

const FormDesign& MainFormDesign() {
    static const FormDesign design{
        .caption = "Lumavex backup restoration utility",
        .size = {522, 447},
        .position = TPosition::poScreenCenter,
        .showHint = true,
        .components = {
            {.kind = Kind::GroupBox, .name = "RestorationOptionsGbox", .caption = "Restoration options",
             .bounds = {8, 4, 498, 280}},
            {.kind = Kind::RadioButton, .name = "CommonFolderRbtn", .parent = "RestorationOptionsGbox",
             .caption = "Extract all files to a next folder:", .bounds = {8, 16, 300, 17}, .options = opt::Checked},
            {.kind = Kind::Edit, .name = "CommonFolderEdit", .parent = "RestorationOptionsGbox",
             .bounds = {24, 36, 400, 21}, .options = opt::ReadOnly},
            {.kind = Kind::Button, .name = "FolderSelectionBtn", .parent = "RestorationOptionsGbox",
             .bounds = {432, 36, 57, 21}, .options = opt::Default, .action = "SetFolderForAllActn"},
            {.kind = Kind::RadioButton, .name = "SeparateFoldersRbtn", .parent = "RestorationOptionsGbox",
             .caption = "Select destination folder separately for each element (multiple selection is possible):",
             .bounds = {8, 64, 480, 17}},
            {.kind = Kind::CheckBox, .name = "ClearFoldersChkbx", .parent = "RestorationOptionsGbox",
             .caption = "Clear existing folders' content before restoring backup", .bounds = {8, 256, 480, 17}},
            {.kind = Kind::GroupBox, .name = "DestinationsSelectionsGbox", .parent = "RestorationOptionsGbox",
             .bounds = {8, 84, 482, 168}},
            {.kind = Kind::ListView, .name = "ListView", .parent = "DestinationsSelectionsGbox",
             .hint = "List of current archive elements and its destination folders", .bounds = {8, 16, 466, 116},
             .options = opt::ReadOnly | opt::MultiSelect | opt::RowSelect | opt::KeepSelection,
             .images = "ListViewImageList",
             .columns = {{.caption = "Backup element", .width = 240}, {.caption = "Destination folder", .autoSize = true}}},
            {.kind = Kind::Button, .name = "SetFolderForSelectedBtn", .parent = "DestinationsSelectionsGbox",
             .bounds = {392, 136, 82, 25}, .action = "SetFolderForSelectedItemsActn"},
            {.kind = Kind::Memo, .name = "LogMemo", .bounds = {8, 288, 498, 64},
             .options = opt::ReadOnly | opt::VertScroll},
            {.kind = Kind::Button, .name = "ExtractBtn", .bounds = {256, 360, 75, 25}, .action = "RestoreActn"},
            {.kind = Kind::Button, .name = "CancelBtn", .bounds = {344, 360, 75, 25}, .action = "CancelActn"},
            {.kind = Kind::Button, .name = "CloseBtn", .bounds = {432, 360, 75, 25}, .action = "CloseActn"},
            {.kind = Kind::MainMenu, .name = "MainMenu"},
            {.kind = Kind::MenuItem, .name = "File", .parent = "MainMenu", .caption = "&File"},
            {.kind = Kind::MenuItem, .name = "Open", .parent = "File", .action = "OpenActn"},
            {.kind = Kind::MenuItem, .name = "N1", .parent = "File", .caption = "-"},
            {.kind = Kind::MenuItem, .name = "Exit", .parent = "File", .action = "CloseActn"},
            {.kind = Kind::MenuItem, .name = "Help", .parent = "MainMenu", .caption = "&Help"},
            {.kind = Kind::MenuItem, .name = "About", .parent = "Help", .caption = "&About..."},
            {.kind = Kind::OpenDialog, .name = "OpenDialog", .title = "Open backup index file\x85", .defaultExt = "lxi"},
            {.kind = Kind::ActionList, .name = "ActionList"},
            {.kind = Kind::Action, .name = "SetFolderForAllActn", .parent = "ActionList", .caption = "..."},
            {.kind = Kind::Action, .name = "SetFolderForSelectedItemsActn", .parent = "ActionList",
             .caption = "Set folder", .hint = "Set destination folder for selected list item(s)"},
            {.kind = Kind::Action, .name = "RestoreActn", .parent = "ActionList", .caption = "Restore",
             .hint = "Restore current backup"},
            {.kind = Kind::Action, .name = "CancelActn", .parent = "ActionList", .caption = "Cancel",
             .hint = "Cancel the current operation"},
            {.kind = Kind::Action, .name = "CloseActn", .parent = "ActionList", .caption = "Exit"},
            {.kind = Kind::Action, .name = "OpenActn", .parent = "ActionList", .caption = "Open...",
             .shortcut = "Ctrl+O"},
            {.kind = Kind::ImageList, .name = "ListViewImageList", .options = opt::ShareImages},
            Unzipper(),
            FormLangRes(),
            MsgLangRes(),
            MenuLangRes(),
        }};
    return design;
}

const FormDesign& ArchiveSelectionFormDesign() {
    static const FormDesign design{
        .caption = "Select archive to open",
        .size = {390, 255},
        .borderStyle = TBorderStyle::bsSizeToolWin,
        .position = TPosition::poOwnerFormCenter,
        .components = {
            {.kind = Kind::GroupBox, .name = "GroupBox", .bounds = {4, 4, 374, 180}},
            {.kind = Kind::Label, .name = "asfExplanationLbl", .parent = "GroupBox", .bounds = {8, 16, 358, 26},
             .options = opt::WordWrap},
            {.kind = Kind::Label, .name = "asfExplanation2Lbl", .parent = "GroupBox",
             .caption = "Click on a '+' sign to examine the contents of archive.", .bounds = {8, 44, 358, 13}},
            {.kind = Kind::TreeView, .name = "TreeView", .parent = "GroupBox", .bounds = {8, 60, 358, 112},
             .options = opt::ReadOnly | opt::ShowHint, .images = "TreeViewImageList", .indent = 19},
            {.kind = Kind::Button, .name = "OkBtn", .bounds = {216, 192, 75, 25}, .options = opt::Default,
             .action = "OKActn"},
            {.kind = Kind::Button, .name = "CancelBtn", .caption = "Cancel", .bounds = {300, 192, 75, 25},
             .options = opt::Cancel, .modalResult = mrCancel},
            {.kind = Kind::ActionList, .name = "ActionList"},
            {.kind = Kind::Action, .name = "OKActn", .parent = "ActionList", .caption = "OK"},
            {.kind = Kind::ImageList, .name = "TreeViewImageList", .options = opt::ShareImages},
            FormLangRes(),
            MsgLangRes(),
        }};
    return design;
}

const FormDesign& ArchiveVariantSelectionFormDesign() {
    static const FormDesign design{
        .caption = "Select the desired archive version",
        .size = {407, 266},
        .minSize = {407, 266},
        .borderStyle = TBorderStyle::bsSizeToolWin,
        .borderIcons = biSystemMenu,
        .position = TPosition::poOwnerFormCenter,
        .showHint = true,
        .components = {
            {.kind = Kind::Button, .name = "CancelBtn", .caption = "Cancel", .bounds = {316, 204, 75, 25},
             .options = opt::Cancel, .modalResult = mrCancel},
            {.kind = Kind::Button, .name = "OKBtn", .bounds = {232, 204, 75, 25}, .options = opt::Default,
             .action = "OKActn"},
            {.kind = Kind::GroupBox, .name = "GroupBox", .bounds = {4, 4, 387, 192}},
            {.kind = Kind::Label, .name = "avsfInvitationLbl", .parent = "GroupBox",
             .caption = "Please select which one do you prefer to work with:", .bounds = {8, 48, 370, 13}},
            {.kind = Kind::Label, .name = "avsfExplanationLbl", .parent = "GroupBox",
             .caption = "The lastest version of archive was not found. But there are several files and/or folders "
                        "that seems to be the previous versions of the same archive.",
             .bounds = {8, 16, 370, 28}, .options = opt::WordWrap},
            {.kind = Kind::ListView, .name = "avListView", .parent = "GroupBox",
             .hint = "List of available archive versions, its locations relative to current folder and its "
                     "creation times (uncertain; based upon names)",
             .bounds = {8, 64, 370, 120}, .options = opt::ReadOnly | opt::RowSelect | opt::KeepSelection,
             .columns = {{.caption = "Archive location and name", .autoSize = true},
                         {.caption = "Creation date", .width = 155}}},
            {.kind = Kind::ActionList, .name = "ActionList"},
            {.kind = Kind::Action, .name = "OKActn", .parent = "ActionList", .caption = "OK"},
            FormLangRes(),
        }};
    return design;
}

const FormDesign& AboutDlgDesign() {
    static const FormDesign design{
        .caption = "About",
        .clientSize = {367, 179},
        .borderStyle = TBorderStyle::bsDialog,
        .borderIcons = biSystemMenu,
        .position = TPosition::poOwnerFormCenter,
        .components = {
            {.kind = Kind::Image, .name = "Image", .bounds = {8, 8, 129, 89}},
            {.kind = Kind::Label, .name = "Label1", .caption = "Norvane Lumavex", .bounds = {144, 8, 216, 13},
             .options = opt::AlignCenter},
            {.kind = Kind::Label, .name = "Label2",
             .caption = "This program is a part of Norvane Lumavex program package", .bounds = {144, 72, 216, 26},
             .options = opt::AlignCenter | opt::WordWrap},
            {.kind = Kind::Label, .name = "Label3", .caption = "Version 1.1", .bounds = {144, 48, 216, 13},
             .options = opt::AlignCenter},
            {.kind = Kind::Label, .name = "Label4", .caption = "backup restoration utility", .bounds = {144, 28, 216, 13},
             .options = opt::AlignCenter},
            {.kind = Kind::Label, .name = "Label5", .caption = "Newest version available at ",
             .bounds = {8, 112, 200, 13}, .options = opt::AlignRight},
            {.kind = Kind::Label, .name = "Label6", .caption = "www.example.com", .bounds = {208, 112, 150, 13},
             .options = opt::HandCursor},
            {.kind = Kind::Button, .name = "OkBtn", .caption = "OK", .bounds = {146, 144, 75, 25},
             .options = opt::Default, .modalResult = mrOk},
            FormLangRes(),
        }};
    return design;
}

}  // namespace

StandInWindow::StandInWindow(ui::Application& app, std::string className, std::string name,
                             const ui::FormDesign& design, const localisation::WindowLangResSettings& settings)
    : TForm(app, nullptr, std::move(name), std::move(className)), settings_(settings) {
    Build(design);
    const localisation::WindowLangRes langRes = LangRes();
    if (langRes.form) localisation::ApplyStoredSettings(*langRes.form, settings);
    if (langRes.menu) localisation::ApplyStoredSettings(*langRes.menu, settings);
    if (langRes.messages) {
        localisation::ApplyStoredSettings(*langRes.messages);
        const bool main = settings.windowClass == localisation::kMainFormLangRes.windowClass;
        langRes.messages->MsgList().Assign(localisation::MessageListLines(
            main ? localisation::MainWindowMessages() : localisation::IndexSelectionMessages()));
    }
}

localisation::WindowLangRes StandInWindow::LangRes() const {
    return {dynamic_cast<TsmlFormLangRes*>(FindComponent("smlFormLangRes")),
            dynamic_cast<TsmlMsgLangRes*>(FindComponent("smlMsgLangRes")),
            dynamic_cast<TsmlMenuLangRes*>(FindComponent("smlMenuLangRes"))};
}

std::unique_ptr<StandInWindow> MakeMainForm(ui::Application& app) {
    return std::make_unique<StandInWindow>(app, "TExtrMainForm", "ExtrMainForm", MainFormDesign(),
                                           localisation::kMainFormLangRes);
}

std::unique_ptr<StandInWindow> MakeArchiveSelectionForm(ui::Application& app) {
    return std::make_unique<StandInWindow>(app, "TExtrArchiveSelectionForm", "ExtrArchiveSelectionForm",
                                           ArchiveSelectionFormDesign(), localisation::kArchiveSelectionFormLangRes);
}

std::unique_ptr<StandInWindow> MakeArchiveVariantSelectionForm(ui::Application& app) {
    return std::make_unique<StandInWindow>(app, "TExtrArchiveVariantSelectionForm", "ExtrArchiveVariantSelectionForm",
                                           ArchiveVariantSelectionFormDesign(),
                                           localisation::kArchiveVariantSelectionFormLangRes);
}

std::unique_ptr<StandInWindow> MakeAboutDlg(ui::Application& app) {
    return std::make_unique<StandInWindow>(app, "TExtrAboutDlg", "ExtrAboutDlg", AboutDlgDesign(),
                                           localisation::kAboutDlgLangRes);
}

}  // namespace loctest
