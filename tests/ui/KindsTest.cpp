// Each kind exposes exactly the property names the localisation walk may ask
// for on it, with the right property kinds, and the class relations it tests.
#include "HeadlessApp.h"
#include "ui/OtherKinds.h"
#include "ui/Toolkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace {

using ui::Component;
using ui::PropertyKind;

struct KindCase {
    const char* className;
    std::function<Component*(ui::TForm&)> make;
    std::set<std::string> exposes;
};

template <typename T>
std::function<Component*(ui::TForm&)> Make() {
    return [](ui::TForm& form) { return new T(&form, "C"); };
}

const std::vector<KindCase>& Cases() {
    static const std::vector<KindCase> cases = {
        {"TGroupBox", Make<ui::TGroupBox>(), {"Caption", "Hint", "Font"}},
        {"TRadioButton", Make<ui::TRadioButton>(), {"Caption", "Hint", "Font"}},
        {"TCheckBox", Make<ui::TCheckBox>(), {"Caption", "Hint", "Font"}},
        {"TButton", Make<ui::TButton>(), {"Caption", "Hint", "Font"}},
        {"TLabel", Make<ui::TLabel>(), {"Caption", "Hint", "Font"}},
        {"TEdit", Make<ui::TEdit>(), {"Hint", "Font", "Text"}},
        {"TMemo", Make<ui::TMemo>(), {"Hint", "Font", "Lines"}},
        {"TListView", Make<ui::TListView>(), {"Hint", "Font", "Items"}},
        {"TTreeView", Make<ui::TTreeView>(), {"Hint", "Font", "Items"}},
        {"TImage", Make<ui::TImage>(), {"Hint"}},
        {"TMenuItem", Make<ui::TMenuItem>(), {"Caption", "Hint"}},
        {"TAction", Make<ui::TAction>(), {"Caption", "Hint"}},
        {"TOpenDialog", Make<ui::TOpenDialog>(), {"Title"}},
        {"TMainMenu", Make<ui::TMainMenu>(), {"Items"}},
        {"TImageList", Make<ui::TImageList>(), {}},
        {"TActionList", Make<ui::TActionList>(), {}},
        {"THeaderControl", Make<ui::THeaderControl>(), {"Hint", "Font", "Sections"}},
        {"TDBGrid", Make<ui::TDBGrid>(), {"Hint", "Font", "Columns"}},
        {"TSplitter", Make<ui::TSplitter>(), {"Hint"}},
        {"TTimer", Make<ui::TTimer>(), {}},
        {"TFrame", Make<ui::TFrame>(), {"Hint", "Font"}},
        {"TDataModule", Make<ui::TDataModule>(), {}},
    };
    return cases;
}

// Names that a translator's property lists hold in the program or might hold.
const std::vector<std::string> kAskedNames = {"Caption", "Hint", "Font",     "Text",    "Lines",
                                              "Items",   "Title", "Tabs", "Sections", "Columns"};

TEST(Kinds, EachExposesExactlyItsPropertyNames) {
    uitest::HeadlessApp h;
    ui::TForm form(h.app, nullptr, "Form");
    for (const KindCase& c : Cases()) {
        SCOPED_TRACE(c.className);
        std::unique_ptr<Component> component(c.make(form));
        EXPECT_EQ(component->ClassName(), c.className);
        std::set<std::string> published;
        for (const ui::PropertyInfo& p : component->Properties()) published.insert(p.name);
        EXPECT_EQ(published, c.exposes);
        for (const std::string& name : kAskedNames) {
            EXPECT_EQ(component->HasProperty(name), c.exposes.count(name) == 1) << name;
        }
    }
}

TEST(Kinds, WindowsExposeCaptionHintAndFont) {
    uitest::HeadlessApp h;
    ui::TForm form(h.app, nullptr, "ExtrMainForm", "TExtrMainForm");
    std::set<std::string> published;
    for (const ui::PropertyInfo& p : form.Properties()) published.insert(p.name);
    EXPECT_EQ(published, (std::set<std::string>{"Caption", "Hint", "Font"}));
    EXPECT_EQ(form.ClassName(), "TExtrMainForm");
    EXPECT_TRUE(form.InheritsFrom("TForm"));
    EXPECT_TRUE(form.InheritsFrom("TCustomForm"));
    EXPECT_FALSE(form.InheritsFrom("TDataModule"));
}

// Only string lists and fonts read as such; list and tree items, menu roots,
// header sections and grid columns are objects of other kinds.
TEST(Kinds, PropertyKindsTellStringListsAndFontsFromOtherObjects) {
    uitest::HeadlessApp h;
    ui::TForm form(h.app, nullptr, "Form");
    auto* memo = new ui::TMemo(&form, "Memo");
    auto* list = new ui::TListView(&form, "List");
    auto* tree = new ui::TTreeView(&form, "Tree");
    auto* menu = new ui::TMainMenu(&form, "Menu");
    auto* edit = new ui::TEdit(&form, "Edit");

    EXPECT_EQ(memo->GetStringsProp("Lines"), &memo->Lines());
    EXPECT_EQ(memo->GetFontProp("Font"), &memo->Font());
    EXPECT_EQ(list->GetStringsProp("Items"), nullptr);
    EXPECT_EQ(list->FindProperty("Items")->kind, PropertyKind::Object);
    EXPECT_EQ(list->FindProperty("Items")->object, &list->Items());
    EXPECT_EQ(tree->GetStringsProp("Items"), nullptr);
    EXPECT_EQ(tree->FindProperty("Items")->object, &tree->Items());
    EXPECT_EQ(menu->FindProperty("Items")->object, &menu->Items());
    EXPECT_EQ(form.GetFontProp("Font"), &form.Font());

    // String properties by name reach the component's own state.
    edit->SetStrProp("Text", "C:\\Backup\\");
    EXPECT_EQ(edit->Text(), "C:\\Backup\\");
    list->SetStrProp("Hint", "rows");
    EXPECT_EQ(list->Hint(), "rows");
    EXPECT_EQ(list->GetStrProp("Items"), "");
}

TEST(Kinds, ClassRelationsTheWalkTests) {
    uitest::HeadlessApp h;
    ui::TForm form(h.app, nullptr, "Form");
    struct Relation {
        Component* component;
        const char* isA;
        std::vector<const char*> isNot;
    };
    const std::vector<std::string> walkClasses = {"TListView", "TTreeView", "THeaderControl", "TDBGrid",
                                                  "TSplitter", "TTimer",    "TMenuItem"};
    const std::vector<Relation> relations = {
        {new ui::TListView(&form, "L"), "TListView", {}},
        {new ui::TTreeView(&form, "T"), "TTreeView", {}},
        {new ui::THeaderControl(&form, "H"), "THeaderControl", {}},
        {new ui::TDBGrid(&form, "G"), "TDBGrid", {}},
        {new ui::TSplitter(&form, "S"), "TSplitter", {}},
        {new ui::TTimer(&form, "Ti"), "TTimer", {}},
        {new ui::TMenuItem(&form, "M"), "TMenuItem", {}},
        {new ui::TButton(&form, "B"), nullptr, {}},
    };
    for (const Relation& r : relations) {
        SCOPED_TRACE(r.component->Name());
        for (const std::string& c : walkClasses) {
            EXPECT_EQ(r.component->InheritsFrom(c), r.isA && c == r.isA) << c;
        }
    }
}

// Subclasses name their own class and keep the relations of their base.
TEST(Kinds, SubclassesKeepTheirBaseRelations) {
    class TLogSplitter : public ui::TSplitter {
    public:
        explicit TLogSplitter(Component* owner) : TSplitter(owner, "LogSplitter") { DeriveClass("TLogSplitter"); }
    };
    uitest::HeadlessApp h;
    ui::TForm form(h.app, nullptr, "Form");
    auto* splitter = new TLogSplitter(&form);
    EXPECT_EQ(splitter->ClassName(), "TLogSplitter");
    EXPECT_TRUE(splitter->InheritsFrom("TSplitter"));

    ui::TDataModule module(nullptr, "Data", "TExtrData");
    EXPECT_EQ(module.ClassName(), "TExtrData");
    EXPECT_TRUE(module.InheritsFrom("TDataModule"));
    EXPECT_FALSE(module.InheritsFrom("TForm"));

    auto* frame = new ui::TFrame(&form, "Frame", "TOptionsFrame");
    EXPECT_TRUE(frame->InheritsFrom("TFrame"));
    EXPECT_TRUE(frame->InheritsFrom("TCustomFrame"));
    EXPECT_FALSE(frame->InheritsFrom("TForm"));
}

// A frame owns its components: they are not the form's.
TEST(Kinds, FrameOwnsItsComponents) {
    uitest::HeadlessApp h;
    ui::TForm form(h.app, nullptr, "Form");
    auto* frame = new ui::TFrame(&form, "Frame");
    frame->SetParent(&form);
    auto* label = new ui::TLabel(frame, "FrameLbl");
    label->SetParent(frame);
    EXPECT_EQ(form.ComponentCount(), 1);
    EXPECT_EQ(frame->ComponentCount(), 1);
    EXPECT_EQ(label->ParentForm(), &form);
}

}  // namespace
