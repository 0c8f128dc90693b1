// The menu translator: item captions, separators, and the menu reference.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "FakeComponents.h"
#include "KeyRecorder.h"
#include "LanguageFile.h"
#include "localisation/SMLMenuLangRes.h"

namespace {

using localisation::TsmlMenuLangRes;
using loctest::FakeComponent;
using loctest::LanguageFile;
using testing::ElementsAre;

struct MenuWindow {
    MenuWindow() : form(loctest::MakeForm("TTestForm", "TestForm")) {
        menu = loctest::MakeMainMenu(form.get(), "MainMenu");
        file = loctest::AddMenuItem(form.get(), menu->Items(), "File", "&File");
        open = loctest::AddMenuItem(form.get(), *file, "Open", "Open...");
        separator = loctest::AddMenuItem(form.get(), *file, "N1", "-");
        hidden = loctest::AddMenuItem(form.get(), *separator, "BelowSeparator", "never seen");
        exit = loctest::AddMenuItem(form.get(), *file, "Exit", "Exit");
        help = loctest::AddMenuItem(form.get(), menu->Items(), "Help", "&Help");
        help->SetHint("Help topics");
        translator = new TsmlMenuLangRes(form.get());
        translator->SetAutoCreateMode(false);
        translator->SetAddBracket(true);
    }
    std::unique_ptr<FakeComponent> form;
    ui::TMainMenu* menu;
    ui::TMenuItem *file, *open, *separator, *hidden, *exit, *help;
    TsmlMenuLangRes* translator;
};

TEST(MenuLangRes, ReadsEachItemsCaptionButNeverSeparatorsOrWhatLiesBelowThem) {
    MenuWindow w;
    w.translator->SetMenu(w.menu);
    EXPECT_THAT(loctest::RecordKeysRead({w.translator}),
                ElementsAre("File_Caption", "Open_Caption", "Exit_Caption", "Help_Caption"));
}

TEST(MenuLangRes, TranslatesCaptionsOnly) {
    LanguageFile file(
        "[TTestForm]\n"
        "File_Caption=<&Fichier>\n"
        "N1_Caption=not a separator any more\n"
        "BelowSeparator_Caption=x\n"
        "Help_Caption=&Aide\n"
        "Help_Hint=never\n"
        "MainMenu_Caption=never\n");
    MenuWindow w;
    w.translator->SetLangFileName(file.name());
    w.translator->SetActive(true);  // no menu yet: nothing to do
    EXPECT_EQ(w.file->Caption(), "&File");
    w.translator->SetMenu(w.menu);  // writing the menu starts a pass
    EXPECT_EQ(w.file->Caption(), "&Fichier");
    EXPECT_EQ(w.open->Caption(), "Open...");
    EXPECT_EQ(w.separator->Caption(), "-");
    EXPECT_EQ(w.hidden->Caption(), "never seen");
    EXPECT_EQ(w.help->Caption(), "&Aide");
    EXPECT_EQ(w.help->Hint(), "Help topics");
}

TEST(MenuLangRes, ForgetsTheMenuWhenItIsDestroyed) {
    LanguageFile file("[TTestForm]\nFile_Caption=Fichier\n");
    MenuWindow w;
    w.translator->SetMenu(w.menu);
    delete w.menu;
    EXPECT_EQ(w.translator->Menu(), nullptr);
    w.translator->SetLangFileName(file.name());
    EXPECT_NO_THROW(w.translator->SetActive(true));
    EXPECT_EQ(w.file->Caption(), "&File");
}

TEST(MenuLangRes, TranslatorMayGoFirst) {
    MenuWindow w;
    w.translator->SetMenu(w.menu);
    delete w.translator;
    EXPECT_EQ(w.file->Caption(), "&File");  // the menu stays as it was
    delete w.menu;  // must not tell the destroyed translator anything (ASan checks)
    EXPECT_EQ(w.form->FindComponent("MainMenu"), nullptr);
}

}  // namespace
