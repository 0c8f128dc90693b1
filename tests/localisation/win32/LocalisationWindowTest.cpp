// Translation on the Win32 backend under Wine: a window built from a design
// activates its translators against a language file, and the translations are
// read back from the real controls.
#include <gtest/gtest.h>

#include "LanguageFile.h"
#include "ProgramWindows.h"
#include "Win32Probe.h"
#include "localisation/SMLFormLangRes.h"
#include "localisation/SMLMenuLangRes.h"
#include "ui/win32/Win32Backend.h"

namespace {

using namespace uitest::win32;
using loctest::LanguageFile;

TEST(LocalisationWin32, TranslationsReachTheRealControls) {
    ui::Application app(ui::CreateWin32Backend());
    LanguageFile file(
        "[TExtrMainForm]\r\n"
        "ExtrMainForm_Caption=Utilitaire de restauration\r\n"
        "ExtrMainForm_FontSize=0x0A\r\n"
        "ExtrMainForm_FontCharset=204\r\n"
        "ListView_ColumnCaption[0]=<Element sauvegarde>\r\n"
        "ListView_Hint=never shown\r\n"
        "CloseBtn_Caption=never shown\r\n"
        "CloseActn_Caption=Quitter\r\n"
        "RestoreActn_Hint=Restaurer la sauvegarde\r\n"
        "File_Caption=&Fichier\r\n"
        "Open_Caption=<&Ouvrir...>\r\n");
    MessageBoxWatcher startUpBox;  // the start-up search finds no index and says so
    auto window = loctest::MakeMainForm(app, file.name());  // translated before it is first shown
    ASSERT_EQ(startUpBox.Boxes().size(), 1u);
    EXPECT_EQ(startUpBox.Boxes()[0].caption, "No archive indexes");
    window->Show();
    app.ProcessMessages();

    const auto& list = window->Get<ui::TListView>("ListView");
    EXPECT_EQ(Text(window.form()), "Utilitaire de restauration");
    EXPECT_EQ(ListColumnCaption(list, 0), "Element sauvegarde");
    EXPECT_EQ(ListColumnCaption(list, 1), "Destination folder");
    EXPECT_EQ(HintText(list), "List of current archive elements and its destination folders");
    EXPECT_EQ(Text(window->Get<ui::TButton>("CloseBtn")), "Quitter");  // through its action
    EXPECT_EQ(HintText(window->Get<ui::TButton>("ExtractBtn")), "Restaurer la sauvegarde");
    EXPECT_EQ(MenuItemText(window->Get<ui::TMenuItem>("File")), "&Fichier");
    EXPECT_EQ(MenuItemText(window->Get<ui::TMenuItem>("Open")), "&Ouvrir...\tCtrl+O");
    EXPECT_EQ(MenuItemText(window->Get<ui::TMenuItem>("Exit")), "Quitter");  // its action's, no key of its own
    EXPECT_EQ(FontPointSize(window->Get<ui::TCheckBox>("ClearFoldersChkbx")), 10);
    EXPECT_EQ(FontCharset(list), 204);

    // A later pass over the shown window: the file's new texts replace the old ones.
    file.write("[TExtrMainForm]\r\nExtrMainForm_Caption=Wiederherstellung\r\nFile_Caption=&Datei\r\n");
    window.LangRes().form->SetActive(true);
    window.LangRes().menu->SetActive(true);
    app.ProcessMessages();
    EXPECT_EQ(Text(window.form()), "Wiederherstellung");
    EXPECT_EQ(MenuItemText(window->Get<ui::TMenuItem>("File")), "&Datei");
    EXPECT_EQ(Text(window->Get<ui::TButton>("CloseBtn")), "Quitter");  // a pass never restores
}

}  // namespace
