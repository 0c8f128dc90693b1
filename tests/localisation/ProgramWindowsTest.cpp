// The program's four windows on the headless backend: the keys each reads,
// the activation step, and where translations arrive under the program's
// configuration.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "KeyRecorder.h"
#include "LanguageFile.h"
#include "ProgramWindowKeys.h"
#include "ProgramWindows.h"
#include "localisation/Langroutines.h"
#include "localisation/SMLFormLangRes.h"
#include "localisation/SMLMenuLangRes.h"
#include "localisation/SMLMsgLangRes.h"
#include "platform/ProgramPath.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using namespace localisation;
using loctest::LanguageFile;
using loctest::ProgramWindow;
using testing::ElementsAreArray;

struct Headless {
    ui::Application app{std::make_unique<ui::HeadlessBackend>()};
};

TEST(ProgramWindows, KeysReadInReadingOrder) {
    Headless h;
    const LanguageFile absent;
    const struct {
        ProgramWindow window;
        std::vector<std::string> keys;
    } cases[] = {
        // A pass after start-up also reaches the two dialogs the window owns by
        // then; the pass of its construction runs before they exist (below).
        {loctest::MakeMainForm(h.app, absent.name()),
         loctest::Concat({loctest::kMainFormFormKeys,
                          {"ExtrArchiveSelectionForm_Caption", "ExtrArchiveSelectionForm_Hint",
                           "ExtrArchiveVariantSelectionForm_Caption", "ExtrArchiveVariantSelectionForm_Hint"},
                          loctest::MessageKeys(34), loctest::kMainFormMenuKeys})},
        {loctest::MakeArchiveSelectionForm(h.app, absent.name()),
         loctest::Concat({loctest::kArchiveSelectionFormKeys, loctest::MessageKeys(7)})},
        {loctest::MakeArchiveVariantSelectionForm(h.app, absent.name()), loctest::kArchiveVariantSelectionFormKeys},
        {loctest::MakeAboutDlg(h.app, absent.name()), loctest::kAboutDlgKeys},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window->ClassName());
        EXPECT_THAT(loctest::RecordKeysRead(c.window.Settings(), c.window.LangRes()), ElementsAreArray(c.keys));
    }
}

TEST(ProgramWindows, StoredSettingsReadOnlyAndActivateInTheWindowsOrder) {
    Headless h;
    const LanguageFile absent;
    auto w = loctest::MakeMainForm(h.app, absent.name());
    const WindowLangRes langRes = w.LangRes();
    for (TsmlLangRes* c : std::initializer_list<TsmlLangRes*>{langRes.form, langRes.messages, langRes.menu}) {
        ASSERT_NE(c, nullptr);
        // The constructor activated it with the language file it was given.
        EXPECT_TRUE(c->Active());
        EXPECT_EQ(c->LanguageFile(), platform::ProgramFolder() + absent.name());
        EXPECT_TRUE(c->IgnoreEmptyString());
        EXPECT_FALSE(c->AutoCreateMode());
        EXPECT_TRUE(c->AddBracket());
    }
    EXPECT_EQ(langRes.menu->Menu(), w->FindComponent("MainMenu"));
    EXPECT_EQ(LanguageFileName(), "localisation_tests.lng");

    LanguageFile file("[TExtrMainForm]\nExtrMainForm_Caption=Titre\nStr27=<Annule.>\n");
    w.Activate(file.name());
    EXPECT_EQ(langRes.messages->LangFileName(), file.name());
    EXPECT_EQ(w->Caption(), "Titre");
    EXPECT_EQ(GetLangMessage(langRes.messages, 27), "Annule.");
    EXPECT_EQ(GetLangMessage(langRes.messages, 31), " -- FAILED!");
    EXPECT_EQ(file.read(), "[TExtrMainForm]\nExtrMainForm_Caption=Titre\nStr27=<Annule.>\n");  // never written
}

TEST(ProgramWindows, TheMainWindowsConstructionTranslatesBeforeItsDialogsExist) {
    Headless h;
    LanguageFile file(
        "[TExtrMainForm]\nExtrMainForm_Caption=Titre\nExtrArchiveSelectionForm_Caption=never\n"
        "ExtrArchiveVariantSelectionForm_Caption=never\n");
    auto w = loctest::MakeMainForm(h.app, file.name());
    EXPECT_EQ(w->Caption(), "Titre");
    EXPECT_EQ(w->Get<ui::TForm>("ExtrArchiveSelectionForm").Caption(), "Select archive to open");
    EXPECT_EQ(w->Get<ui::TForm>("ExtrArchiveVariantSelectionForm").Caption(), "Select the desired archive version");
}

TEST(ProgramWindows, WithoutALanguageFileEverythingStaysEnglish) {
    Headless h;
    const LanguageFile absent;
    auto w = loctest::MakeMainForm(h.app, absent.name());
    w.Activate(absent.name());
    EXPECT_EQ(w->Caption(), "Lumavex backup restoration utility");
    EXPECT_EQ(GetLangMessage(w.LangRes().messages, 27), "Operation canceled by user.");
    EXPECT_FALSE(absent.exists());
}

// Every text of the window and its components, to see what a pass changed.
std::map<std::string, std::string> Texts(const ui::TForm& form) {
    std::map<std::string, std::string> texts;
    std::vector<const ui::Component*> all{&form};
    all.insert(all.end(), form.Components().begin(), form.Components().end());
    for (const ui::Component* c : all) {
        for (const ui::PropertyInfo& p : c->Properties()) {
            if (p.kind == ui::PropertyKind::String) texts[c->Name() + "." + p.name] = c->GetStrProp(p.name);
        }
        if (auto* list = dynamic_cast<const ui::TListView*>(c)) {
            for (int i = 0; i < list->Columns().Count(); ++i) {
                texts[c->Name() + ".Column" + std::to_string(i)] = list->Columns()[i].Caption();
            }
        }
    }
    texts["ExtrMainForm.FontSize"] = std::to_string(form.Font().Size);
    return texts;
}

TEST(ProgramWindows, MainWindowTranslationsArriveWhereTheConfigurationSays) {
    struct Case {
        std::string lines;                           // of section TExtrMainForm
        std::map<std::string, std::string> changed;  // text -> new value; all others unchanged
    };
    const Case cases[] = {
        {"ExtrMainForm_Caption=Restauration", {{"ExtrMainForm.Caption", "Restauration"}}},
        {"ListView_Hint=ignored", {}},
        {"ListView_ColumnCaption[1]=Dossier", {{"ListView.Column1", "Dossier"}}},
        {"CloseBtn_Caption=ignored", {}},
        // The action's caption reaches the button and the menu item bound to it.
        {"CloseActn_Caption=Quitter",
         {{"CloseActn.Caption", "Quitter"}, {"CloseBtn.Caption", "Quitter"}, {"Exit.Caption", "Quitter"}}},
        // A menu item's own key wins over what its action gave it.
        {"OpenActn_Caption=Ouvrir...\nOpen_Caption=<&Ouvrir>",
         {{"OpenActn.Caption", "Ouvrir..."}, {"Open.Caption", "&Ouvrir"}}},
        {"RestoreActn_Hint=<>", {{"RestoreActn.Hint", ""}, {"ExtractBtn.Hint", ""}}},
        {"LogMemo_Hint=ignored\nCommonFolderEdit_Text=ignored\nN1_Caption=ignored\nOpen_Hint=ignored", {}},
        {"OpenDialog_Title=<Ouvrir un index>", {{"OpenDialog.Title", "Ouvrir un index"}}},
        {"ExtrMainForm_FontSize=0x0A", {{"ExtrMainForm.FontSize", "10"}}},
        {"ExtrMainForm_FontSize=0", {}},
        {"File_Caption=&Fichier\nAbout_Caption=&A propos...", {{"File.Caption", "&Fichier"}, {"About.Caption", "&A propos..."}}},
    };
    Headless h;
    const LanguageFile absent;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        auto w = loctest::MakeMainForm(h.app, absent.name());
        std::map<std::string, std::string> expected = Texts(w.form());
        for (const auto& [text, value] : c.changed) expected[text] = value;
        LanguageFile file("[TExtrMainForm]\n" + c.lines + "\n");
        w.Activate(file.name());
        EXPECT_EQ(Texts(w.form()), expected);
    }
}

TEST(ProgramWindows, WindowFontReachesTheControlsThatFollowIt) {
    Headless h;
    const LanguageFile absent;
    auto w = loctest::MakeAboutDlg(h.app, absent.name());
    LanguageFile file("[TExtrAboutDlg]\nExtrAboutDlg_FontName=Tahoma\nExtrAboutDlg_FontSize=$0C\nExtrAboutDlg_FontCharset=204\n");
    w.Activate(file.name());
    const ui::TFont& label = w->Get<ui::TLabel>("Label2").Font();
    EXPECT_EQ(label.Name, "Tahoma");
    EXPECT_EQ(label.Size, 12);
    EXPECT_EQ(label.Charset, 204);
}

}  // namespace
