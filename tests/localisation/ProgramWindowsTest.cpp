// Stand-ins for the program's four windows, built from the stand-in kinds in a
// design order of their components and configured from the per-window
// settings: the keys each reads, the activation step, and the translations that
// the program's configuration gives.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "FakeComponents.h"
#include "KeyRecorder.h"
#include "LanguageFile.h"
#include "ProgramWindowKeys.h"
#include "localisation/Langroutines.h"
#include "localisation/MessageLists.h"
#include "localisation/SMLFormLangRes.h"
#include "localisation/SMLMenuLangRes.h"
#include "localisation/SMLMsgLangRes.h"
#include "localisation/WindowLangResSettings.h"
#include "platform/ProgramPath.h"

namespace {

using namespace localisation;
using loctest::FakeComponent;
using loctest::LanguageFile;
using testing::ElementsAreArray;

// A window with its localisation components created as a stored design creates them.
struct StandInWindow {
    StandInWindow(std::string_view className, std::string name) : form(loctest::MakeForm(className, std::move(name))) {}
    void AddFormLangRes(const WindowLangResSettings& settings) {
        langRes.form = new TsmlFormLangRes(form.get());
        ApplyStoredSettings(*langRes.form, settings);
    }
    void AddMsgLangRes(std::span<const std::string_view> builtIn) {
        langRes.messages = new TsmlMsgLangRes(form.get());
        ApplyStoredSettings(*langRes.messages);
        langRes.messages->MsgList().Assign(MessageListLines(builtIn));
    }
    void AddMenuLangRes(const WindowLangResSettings& settings) {
        langRes.menu = new TsmlMenuLangRes(form.get());
        ApplyStoredSettings(*langRes.menu, settings);
    }
    FakeComponent& operator[](std::string_view componentName) {
        return *static_cast<FakeComponent*>(form->FindComponent(componentName));
    }
    std::unique_ptr<FakeComponent> form;
    WindowLangRes langRes;
};

StandInWindow MainForm() {
    StandInWindow w("TExtrMainForm", "ExtrMainForm");
    ui::Component* f = w.form.get();
    (*w.form)["Caption"] = "Lumavex backup restoration utility";
    loctest::MakeGroupBox(f, "RestorationOptionsGbox", "Restoration options");
    loctest::MakeRadioButton(f, "CommonFolderRbtn", "Extract all files to a next folder:");
    loctest::MakeEdit(f, "CommonFolderEdit");
    loctest::MakeButton(f, "FolderSelectionBtn", "...");
    loctest::MakeRadioButton(f, "SeparateFoldersRbtn",
                             "Select destination folder separately for each element (multiple selection is possible):");
    loctest::MakeCheckBox(f, "ClearFoldersChkbx", "Clear existing folders' content before restoring backup");
    loctest::MakeGroupBox(f, "DestinationsSelectionsGbox", "");
    auto* list = new loctest::FakeListView(f, "ListView");
    (*list)["Hint"] = "List of current archive elements and its destination folders";
    list->columns = {"Backup element", "Destination folder"};
    loctest::MakeButton(f, "SetFolderForSelectedBtn", "Set folder");
    loctest::MakeMemo(f, "LogMemo");
    loctest::MakeButton(f, "ExtractBtn", "Restore");
    loctest::MakeButton(f, "CancelBtn", "Cancel");
    loctest::MakeButton(f, "CloseBtn", "Exit");
    auto* menu = loctest::MakeMainMenu(f, "MainMenu");
    auto* file = loctest::AddMenuItem(f, menu, "File", "&File");
    loctest::AddMenuItem(f, file, "Open", "Open...");
    loctest::AddMenuItem(f, file, "N1", "-");
    loctest::AddMenuItem(f, file, "Exit", "Exit");
    auto* help = loctest::AddMenuItem(f, menu, "Help", "&Help");
    loctest::AddMenuItem(f, help, "About", "&About...");
    loctest::MakeOpenDialog(f, "OpenDialog", "Open backup index file\x85");
    loctest::MakeNonVisual(f, "ActionList", "TActionList");
    loctest::MakeAction(f, "SetFolderForAllActn", "...");
    loctest::MakeAction(f, "SetFolderForSelectedItemsActn", "Set folder", "Set destination folder for selected list item(s)");
    loctest::MakeAction(f, "RestoreActn", "Restore", "Restore current backup");
    loctest::MakeAction(f, "CancelActn", "Cancel", "Cancel the current operation");
    loctest::MakeAction(f, "CloseActn", "Exit");
    loctest::MakeAction(f, "OpenActn", "Open...");
    loctest::MakeNonVisual(f, "ListViewImageList", "TImageList");
    loctest::MakeNonVisual(f, "Unzipper", "TUnZipper");
    w.AddFormLangRes(kMainFormLangRes);
    w.AddMsgLangRes(MainWindowMessages());
    w.AddMenuLangRes(kMainFormLangRes);
    return w;
}

StandInWindow ArchiveSelectionForm() {
    StandInWindow w("TExtrArchiveSelectionForm", "ExtrArchiveSelectionForm");
    ui::Component* f = w.form.get();
    (*w.form)["Caption"] = "Select archive to open";
    loctest::MakeGroupBox(f, "GroupBox", "");
    loctest::MakeLabel(f, "asfExplanationLbl", "");
    loctest::MakeLabel(f, "asfExplanation2Lbl", "Click on a '+' sign to examine the contents of archive.");
    auto* tree = new loctest::FakeTreeView(f, "TreeView");
    tree->nodes = {"C:\\backup.lxi", "  Archive name: x"};
    loctest::MakeButton(f, "OkBtn", "OK");
    loctest::MakeButton(f, "CancelBtn", "Cancel");
    loctest::MakeNonVisual(f, "ActionList", "TActionList");
    loctest::MakeAction(f, "OKActn", "OK");
    loctest::MakeNonVisual(f, "TreeViewImageList", "TImageList");
    w.AddFormLangRes(kArchiveSelectionFormLangRes);
    w.AddMsgLangRes(IndexSelectionMessages());
    return w;
}

StandInWindow ArchiveVariantSelectionForm() {
    StandInWindow w("TExtrArchiveVariantSelectionForm", "ExtrArchiveVariantSelectionForm");
    ui::Component* f = w.form.get();
    (*w.form)["Caption"] = "Select the desired archive version";
    loctest::MakeButton(f, "CancelBtn", "Cancel");
    loctest::MakeButton(f, "OKBtn", "OK");
    loctest::MakeGroupBox(f, "GroupBox", "");
    loctest::MakeLabel(f, "avsfInvitationLbl", "Please select which one do you prefer to work with:");
    loctest::MakeLabel(f, "avsfExplanationLbl", "The lastest version of archive was not found.");
    auto* list = new loctest::FakeListView(f, "avListView");
    list->columns = {"Archive location and name", "Creation date"};
    list->items = {{"backup.zip", {"Unknown"}}};
    loctest::MakeNonVisual(f, "ActionList", "TActionList");
    loctest::MakeAction(f, "OKActn", "OK");
    w.AddFormLangRes(kArchiveVariantSelectionFormLangRes);
    return w;
}

StandInWindow AboutDlg() {
    StandInWindow w("TExtrAboutDlg", "ExtrAboutDlg");
    ui::Component* f = w.form.get();
    loctest::MakePicture(f, "Image");
    loctest::MakeLabel(f, "Label1", "Norvane Lumavex");
    loctest::MakeLabel(f, "Label2", "This program is a part of Norvane Lumavex program package");
    loctest::MakeLabel(f, "Label3", "Version 1.1");
    loctest::MakeLabel(f, "Label4", "backup restoration utility");
    loctest::MakeLabel(f, "Label5", "Newest version available at ");
    loctest::MakeLabel(f, "Label6", "www.example.com");
    loctest::MakeButton(f, "OkBtn", "OK");
    w.AddFormLangRes(kAboutDlgLangRes);
    return w;
}

TEST(ProgramWindows, KeysReadInReadingOrder) {
    {
        StandInWindow w = MainForm();
        EXPECT_THAT(loctest::RecordKeysRead(kMainFormLangRes, w.langRes),
                    ElementsAreArray(loctest::Concat(
                        {loctest::kMainFormFormKeys, loctest::MessageKeys(34), loctest::kMainFormMenuKeys})));
    }
    {
        StandInWindow w = ArchiveSelectionForm();
        EXPECT_THAT(loctest::RecordKeysRead(kArchiveSelectionFormLangRes, w.langRes),
                    ElementsAreArray(loctest::Concat({loctest::kArchiveSelectionFormKeys, loctest::MessageKeys(7)})));
    }
    {
        StandInWindow w = ArchiveVariantSelectionForm();
        EXPECT_THAT(loctest::RecordKeysRead(kArchiveVariantSelectionFormLangRes, w.langRes),
                    ElementsAreArray(loctest::kArchiveVariantSelectionFormKeys));
    }
    {
        StandInWindow w = AboutDlg();
        EXPECT_THAT(loctest::RecordKeysRead(kAboutDlgLangRes, w.langRes), ElementsAreArray(loctest::kAboutDlgKeys));
    }
}

TEST(ProgramWindows, StoredSettingsReadOnlyAndActivateInTheWindowsOrder) {
    StandInWindow w = MainForm();
    for (TsmlLangRes* c : std::initializer_list<TsmlLangRes*>{w.langRes.form, w.langRes.messages, w.langRes.menu}) {
        EXPECT_FALSE(c->Active());
        EXPECT_EQ(c->LanguageFile(), platform::ProgramFolder() + "DefLang.ini");
        EXPECT_TRUE(c->IgnoreEmptyString());
        EXPECT_FALSE(c->AutoCreateMode());
        EXPECT_TRUE(c->AddBracket());
    }
    EXPECT_EQ(w.langRes.menu->Menu(), w.form->FindComponent("MainMenu"));
    EXPECT_EQ(LanguageFileName(), "localisation_tests.lng");

    LanguageFile file("[TExtrMainForm]\nExtrMainForm_Caption=Titre\nStr27=<Annule.>\n");
    ActivateLangRes(kMainFormLangRes, w.langRes, file.name());
    EXPECT_TRUE(w.langRes.form->Active() && w.langRes.messages->Active() && w.langRes.menu->Active());
    EXPECT_EQ(w.langRes.messages->LangFileName(), file.name());
    EXPECT_EQ((*w.form)["Caption"], "Titre");
    EXPECT_EQ(GetLangMessage(w.langRes.messages, 27), "Annule.");
    EXPECT_EQ(GetLangMessage(w.langRes.messages, 31), " -- FAILED!");
    EXPECT_EQ(file.read(), "[TExtrMainForm]\nExtrMainForm_Caption=Titre\nStr27=<Annule.>\n");  // never written
}

// Every text of the window and its components, to see what a pass changed.
std::map<std::string, std::string> Texts(StandInWindow& w) {
    std::map<std::string, std::string> texts;
    std::vector<ui::Component*> all{w.form.get()};
    all.insert(all.end(), w.form->Components().begin(), w.form->Components().end());
    for (ui::Component* c : all) {
        for (const ui::PropertyInfo& p : c->Properties()) {
            if (p.kind == ui::PropertyKind::String) texts[c->Name() + "." + p.name] = c->GetStrProp(p.name);
        }
        if (auto* list = dynamic_cast<loctest::FakeListView*>(c)) {
            for (std::size_t i = 0; i < list->columns.size(); ++i) texts[c->Name() + ".column" + std::to_string(i)] = list->columns[i];
        }
    }
    return texts;
}

TEST(ProgramWindows, MainWindowTranslationsArriveWhereTheConfigurationSays) {
    struct Case {
        const char* line;                 // one line of section TExtrMainForm
        std::map<std::string, std::string> changed;  // text -> new value; all others unchanged
    };
    const Case cases[] = {
        {"ExtrMainForm_Caption=Restauration", {{"ExtrMainForm.Caption", "Restauration"}}},
        {"ListView_Hint=ignored", {}},
        {"ListView_ColumnCaption[1]=Dossier", {{"ListView.column1", "Dossier"}}},
        {"CloseBtn_Caption=ignored", {}},
        {"CloseActn_Caption=Quitter", {{"CloseActn.Caption", "Quitter"}}},
        {"LogMemo_Hint=ignored", {}},
        {"OpenDialog_Title=<Ouvrir...>", {{"OpenDialog.Title", "Ouvrir..."}}},
        {"RestoreActn_Hint=<>", {{"RestoreActn.Hint", ""}}},
        {"N1_Caption=ignored", {}},
        {"File_Caption=&Fichier", {{"File.Caption", "&Fichier"}}},
        {"Open_Hint=ignored", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        StandInWindow w = MainForm();
        std::map<std::string, std::string> expected = Texts(w);
        for (const auto& [text, value] : c.changed) expected[text] = value;
        LanguageFile file(std::string("[TExtrMainForm]\n") + c.line + "\n");
        ActivateLangRes(kMainFormLangRes, w.langRes, file.name());
        EXPECT_EQ(Texts(w), expected);
    }
}

}  // namespace
