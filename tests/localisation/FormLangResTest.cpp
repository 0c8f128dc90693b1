// The form translator: the walk over a window's components, its skip rules,
// the key of each kind of text, fonts, and what starts a pass.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FakeComponents.h"
#include "KeyRecorder.h"
#include "LanguageFile.h"
#include "localisation/SMLFormLangRes.h"

namespace {

using localisation::TsmlFormLangRes;
using loctest::FakeComponent;
using loctest::LanguageFile;
using testing::ElementsAre;
using testing::ElementsAreArray;

// A form with a translator stored as the program stores it (inactive, reads only, brackets).
struct TestWindow {
    explicit TestWindow(std::string_view className = "TTestForm", std::string name = "TestForm")
        : form(loctest::MakeForm(className, std::move(name))), translator(new TsmlFormLangRes(form.get())) {
        (*form)["Caption"] = "Window title";
        translator->SetIgnoreEmptyString(true);
        translator->SetAutoCreateMode(false);
        translator->SetAddBracket(true);
    }
    void Activate(const LanguageFile& file) {
        translator->SetLangFileName(file.name());
        translator->SetActive(true);
    }
    ui::Component* owner() { return form.get(); }
    std::unique_ptr<FakeComponent> form;
    TsmlFormLangRes* translator;
};

TEST(FormLangRes, OnlyTheKeysPresentChangeAnything) {
    LanguageFile file("[TTestForm]\nTestForm_Caption=Titre\n");
    TestWindow w;
    auto* button = loctest::MakeButton(w.owner(), "OkBtn", "OK");
    (*button)["Hint"] = "Confirm";
    w.Activate(file);
    EXPECT_EQ((*w.form)["Caption"], "Titre");
    EXPECT_EQ((*w.form)["Hint"], "");
    EXPECT_EQ((*button)["Caption"], "OK");
    EXPECT_EQ((*button)["Hint"], "Confirm");
    EXPECT_EQ(w.form->font.Name, "MS Sans Serif");
    EXPECT_EQ(w.form->font.Size, 8);
}

// Every kind of component in one window: the keys read, in reading order.
TEST(FormLangRes, WalkReadsEachKindUnderItsOwnKeysInCreationOrder) {
    TestWindow w;
    w.translator->SetStringProperties({"Caption", "Hint", "Title", "Text"});
    w.translator->SetStringsProperties({"Lines", "Items", "Caption"});
    w.translator->SetIgnoreControls({"IgnoredBtn", "button2"});
    w.translator->SetIncludeListViewHead(true);
    w.translator->SetIncludeListViewItems(true);
    w.translator->SetIncludeTreeViewItems(true);

    loctest::MakeGroupBox(w.owner(), "Gbox", "Group");
    loctest::MakeButton(w.owner(), "IgnoredBtn", "x");
    loctest::MakeButton(w.owner(), "Button2", "y");  // the ignore list's "button2" differs in case
    auto* memo = loctest::MakeMemo(w.owner(), "Memo");
    memo->List("Lines").Assign({"first", "second"});
    loctest::MakeEdit(w.owner(), "Edit");
    loctest::MakeSplitter(w.owner(), "Splitter");
    loctest::MakeTimer(w.owner(), "Timer");
    loctest::MakeListView(w.owner(), "List", {"Name", "Size"}, {{"a", "1", "2"}, {"b"}});
    loctest::MakeTreeView(w.owner(), "Tree", {{0, "root"}, {1, "child"}, {2, "grandchild"}, {0, "second root"}});
    loctest::MakeHeaderControl(w.owner(), "Header", {"One", "Two"});
    loctest::MakeDBGrid(w.owner(), "Grid", {"Column"});
    auto* menu = loctest::MakeMainMenu(w.owner(), "Menu");
    loctest::AddMenuItem(w.owner(), menu->Items(), "FileItem", "&File");
    new TsmlFormLangRes(w.owner(), "secondFormLangRes");
    loctest::MakeNonVisual(w.owner(), "Images", "TImageList");
    loctest::MakePicture(w.owner(), "Picture");
    loctest::MakeOpenDialog(w.owner(), "OpenDialog", "Open");
    loctest::MakeAction(w.owner(), "Actn", "Do", "Does it");

    EXPECT_THAT(loctest::RecordKeysRead({w.translator}),
                ElementsAre("TestForm_FontName", "TestForm_FontSize", "TestForm_FontCharset",  //
                            "TestForm_Caption", "TestForm_Hint",                                //
                            "Gbox_Caption", "Gbox_Hint",                                        //
                            "Button2_Caption", "Button2_Hint",                                  //
                            "Memo_Hint", "Memo_Lines[0]", "Memo_Lines[1]",                      //
                            "Edit_Hint", "Edit_Text",                                           //
                            "List_ColumnCaption[0]", "List_ColumnCaption[1]",                   //
                            "List_ItemCaption[0]", "List_SubItem[0]Caption[0]", "List_SubItem[0]Caption[1]",
                            "List_ItemCaption[1]",                                              //
                            "Tree_ItemText[0]", "Tree_ItemText[1]", "Tree_ItemText[2]", "Tree_ItemText[3]",
                            "Header_SectionsText[0]", "Header_SectionsText[1]",                 //
                            "Grid_ColumnsCaption[0]",                                           //
                            "Picture_Hint",                                                     //
                            "OpenDialog_Title",                                                 //
                            "Actn_Caption", "Actn_Hint"));
}

TEST(FormLangRes, TranslatesEachKindOfText) {
    LanguageFile file(
        "[TTestForm]\n"
        "TestForm_Caption=<Fenetre>\n"
        "Memo_Lines[1]=deuxieme\n"
        "List_Hint=never used\n"
        "List_ColumnCaption[1]=Taille\n"
        "List_ItemCaption[1]=bee\n"
        "List_SubItem[0]Caption[1]=deux\n"
        "Tree_ItemText[2]=petit-enfant\n"
        "Tree_Hint=not with nodes translated\n"
        "Header_SectionsText[0]=Un\n"
        "Grid_ColumnsCaption[0]=Colonne\n"
        "Actn_Hint=<>\n"
        "OpenDialog_Title=Ouvrir\n");
    TestWindow w;
    w.translator->SetStringProperties({"Caption", "Hint", "Title"});
    w.translator->SetStringsProperties({"Lines"});
    w.translator->SetIncludeListViewHead(true);
    w.translator->SetIncludeListViewItems(true);
    w.translator->SetIncludeTreeViewItems(true);
    auto* memo = loctest::MakeMemo(w.owner(), "Memo");
    memo->List("Lines").Assign({"first", "second"});
    auto* list = loctest::MakeListView(w.owner(), "List", {"Name", "Size"}, {{"a", "1", "2"}, {"b"}});
    auto* tree = loctest::MakeTreeView(w.owner(), "Tree", {{0, "root"}, {1, "child"}, {2, "grandchild"}});
    auto* header = loctest::MakeHeaderControl(w.owner(), "Header", {"One"});
    auto* grid = loctest::MakeDBGrid(w.owner(), "Grid", {"Column"});
    auto* action = loctest::MakeAction(w.owner(), "Actn", "Do", "Does it");
    auto* dialog = loctest::MakeOpenDialog(w.owner(), "OpenDialog", "Open");
    w.Activate(file);

    EXPECT_EQ((*w.form)["Caption"], "Fenetre");
    EXPECT_THAT(memo->List("Lines").Lines(), ElementsAre("first", "deuxieme"));
    EXPECT_EQ(list->Hint(), "");
    EXPECT_THAT(loctest::ColumnCaptions(*list), ElementsAre("Name", "Taille"));
    EXPECT_THAT(loctest::Rows(*list), ElementsAre(ElementsAre("a", "1", "deux"), ElementsAre("bee")));
    EXPECT_THAT(loctest::NodeTexts(*tree), ElementsAre("root", "child", "petit-enfant"));
    EXPECT_EQ(tree->Hint(), "");
    EXPECT_EQ(header->Sections().at(0).text, "Un");
    EXPECT_EQ(grid->Columns().at(0).titleCaption, "Colonne");
    EXPECT_EQ((*action)["Caption"], "Do");
    EXPECT_EQ((*action)["Hint"], "");  // the two brackets alone: an empty text
    EXPECT_EQ((*dialog)["Title"], "Ouvrir");
}

TEST(FormLangRes, ListAndTreeViewFlagsDecideWhatIsTranslated) {
    TestWindow w;
    w.translator->SetStringProperties({"Caption", "Hint"});
    auto* list = loctest::MakeListView(w.owner(), "List", {"Name"}, {{"a", "1"}});
    auto* tree = loctest::MakeTreeView(w.owner(), "Tree", {{0, "root"}});
    // Without the flags a list view gives nothing at all and a tree view is an
    // ordinary component: its hint, and no string list under "Items".
    EXPECT_THAT(loctest::RecordKeysRead({w.translator}),
                ElementsAre("TestForm_FontName", "TestForm_FontSize", "TestForm_FontCharset", "TestForm_Caption",
                            "TestForm_Hint", "Tree_Hint"));

    LanguageFile file("[TTestForm]\nTree_Hint=Arbre\nTree_ItemText[0]=racine\nList_ColumnCaption[0]=Nom\n");
    w.translator->SetAutoCreateMode(false);
    w.translator->SetLangFileName(file.name());
    EXPECT_EQ(tree->Hint(), "Arbre");
    EXPECT_THAT(loctest::NodeTexts(*tree), ElementsAre("root"));
    EXPECT_THAT(loctest::ColumnCaptions(*list), ElementsAre("Name"));
    w.translator->SetIncludeListViewHead(true);  // a flag write starts a pass
    EXPECT_THAT(loctest::ColumnCaptions(*list), ElementsAre("Nom"));
    EXPECT_EQ(list->Items()[0].Caption(), "a");
}

TEST(FormLangRes, IgnoreFormCaptionSparesOnlyTheWindowsOwnCaption) {
    LanguageFile file("[TTestForm]\nTestForm_Caption=Titre\nTestForm_Hint=Aide\nBtn_Caption=Bouton\n");
    TestWindow w;
    w.translator->SetStringProperties({"Caption", "Hint"});
    w.translator->SetIgnoreFormCaption(true);
    auto* button = loctest::MakeButton(w.owner(), "Btn", "Button");
    w.Activate(file);
    EXPECT_EQ((*w.form)["Caption"], "Window title");
    EXPECT_EQ((*w.form)["Hint"], "Aide");
    EXPECT_EQ((*button)["Caption"], "Bouton");
}

TEST(FormLangRes, WindowFontFromDecimalOrHexadecimalNumbers) {
    const struct {
        const char* name;
        const char* size;
        const char* charset;
        std::string expectedName;
        int expectedSize;
        int expectedCharset;
    } cases[] = {
        {"Arial", "10", "204", "Arial", 10, 204},
        {"<Tahoma>", "0x0A", "0XCC", "Tahoma", 10, 204},
        {"", "$c", "$0", "MS Sans Serif", 12, 0},
        {nullptr, "0", "-1", "MS Sans Serif", 8, 1},     // 0 and -1 mean unchanged
        {nullptr, "ten", "<204>", "MS Sans Serif", 8, 1},  // not numbers: unchanged
        {nullptr, "-11", "2147483648", "MS Sans Serif", -11, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("size ") + c.size + " charset " + c.charset);
        std::string text = "[TTestForm]\n";
        if (c.name) text += std::string("TestForm_FontName=") + c.name + "\n";
        text += std::string("TestForm_FontSize=") + c.size + "\nTestForm_FontCharset=" + c.charset + "\n";
        text += "Btn_FontSize=20\n";  // controls' fonts are not translated
        LanguageFile file(text);
        TestWindow w;
        auto* button = loctest::MakeButton(w.owner(), "Btn", "Button");
        w.Activate(file);
        EXPECT_EQ(w.form->font.Name, c.expectedName);
        EXPECT_EQ(w.form->font.Size, c.expectedSize);
        EXPECT_EQ(w.form->font.Charset, c.expectedCharset);
        EXPECT_EQ(button->font.Size, 8);
    }
}

TEST(FormLangRes, AutoCreateWritesFontValuesAndRespectsIgnoreEmptyString) {
    LanguageFile file;
    TestWindow w;
    w.form->font.Name = "";
    w.form->font.Size = 9;
    loctest::MakeButton(w.owner(), "Empty", "");
    loctest::MakeButton(w.owner(), "Full", "Full text");
    w.translator->SetAutoCreateMode(true);  // IgnoreEmptyString stays true
    w.Activate(file);
    const std::string text = file.read();
    EXPECT_THAT(loctest::KeysOfSection(text, "TTestForm"),
                ElementsAre("TestForm_FontName", "TestForm_FontSize", "TestForm_FontCharset", "TestForm_Caption",
                            "Full_Caption"));
    EXPECT_EQ(loctest::RawValue(text, "TTestForm", "TestForm_FontName"), "<>");  // written although empty
    EXPECT_EQ(loctest::RawValue(text, "TTestForm", "TestForm_FontSize"), "9");
    EXPECT_EQ(loctest::RawValue(text, "TTestForm", "TestForm_FontCharset"), "1");
    EXPECT_EQ(loctest::RawValue(text, "TTestForm", "Full_Caption"), "<Full text>");
}

TEST(FormLangRes, ListChangesAndFlagWritesStartPassesWhileActive) {
    LanguageFile file("[TTestForm]\nTestForm_Hint=Aide\nBtn_Caption=Bouton\nBtn_Hint=Astuce\n");
    TestWindow w;
    auto* button = loctest::MakeButton(w.owner(), "Btn", "Button");
    w.translator->StringProperties().Add("Hint");  // inactive: nothing yet
    w.translator->SetIgnoreControls({"Btn"});
    EXPECT_EQ((*w.form)["Hint"], "");
    w.Activate(file);
    EXPECT_EQ((*w.form)["Hint"], "Aide");
    EXPECT_EQ((*button)["Caption"], "Button");
    w.translator->IgnoreControls().Clear();  // a list change: a new pass
    EXPECT_EQ((*button)["Caption"], "Bouton");
    EXPECT_EQ((*button)["Hint"], "Astuce");
}

TEST(FormLangRes, DataModulesAreLeftAloneAndFramesTranslated) {
    LanguageFile file("[TTestDataModule]\nModule_Caption=x\nActn_Caption=y\n[TTestFrame]\nFrame_Caption=Cadre\nFrameBtn_Caption=z\n");
    std::unique_ptr<FakeComponent> module(loctest::MakeDataModule("Module"));
    auto* moduleAction = loctest::MakeAction(module.get(), "Actn", "Do");
    auto* moduleTranslator = new TsmlFormLangRes(module.get());
    moduleTranslator->SetLangFileName(file.name());
    moduleTranslator->SetActive(true);
    EXPECT_EQ((*moduleAction)["Caption"], "Do");
    EXPECT_EQ((*module)["Caption"], "");

    std::unique_ptr<FakeComponent> form(loctest::MakeForm("TTestForm", "TestForm"));
    auto* frame = loctest::MakeFrame(form.get(), "Frame");
    auto* frameButton = loctest::MakeButton(frame, "FrameBtn", "Button");
    auto* frameTranslator = new TsmlFormLangRes(frame);
    frameTranslator->SetAutoCreateMode(false);
    frameTranslator->SetLangFileName(file.name());
    frameTranslator->SetActive(true);
    EXPECT_EQ((*frame)["Caption"], "Cadre");
    EXPECT_EQ((*frameButton)["Caption"], "z");
}

}  // namespace
