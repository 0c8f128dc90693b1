#include "ui/Component.h"

#include <gtest/gtest.h>

namespace {

using ui::Component;
using ui::TOperation;

class Labelled : public Component {
public:
    Labelled(Component* owner, std::string name) : Component(owner, std::move(name), {"TLabel", "TControl"}) {
        PublishString("Caption", [this] { return caption; }, [this](const std::string& v) { caption = v; });
        PublishStrings("Lines", &lines);
        PublishFont("Font", &font);
    }
    std::string caption;
    ui::TStrings lines;
    ui::TFont font;
};

class Watcher : public Component {
public:
    explicit Watcher(Component* owner) : Component(owner, "Watcher", {"TWatcher"}) {}
    Component* watched = nullptr;
    void Watch(Component* c) {
        watched = c;
        FreeNotification(c);
    }

protected:
    void Notification(Component* c, TOperation op) override {
        if (op == TOperation::opRemove && c == watched) watched = nullptr;
    }
};

TEST(Component, OwnerKeepsCreationOrderAndDestroysOwned) {
    Component form(nullptr, "Form", {"TForm"});
    auto* a = new Labelled(&form, "A");
    auto* b = new Labelled(&form, "B");
    ASSERT_EQ(form.ComponentCount(), 2);
    EXPECT_EQ(form.Components()[0], a);
    EXPECT_EQ(form.Components()[1], b);
    EXPECT_EQ(form.FindComponent("b"), b);
    delete a;
    ASSERT_EQ(form.ComponentCount(), 1);
    EXPECT_EQ(form.Components()[0], b);
}

TEST(Component, PropertiesByNameIgnoreCaseAndKind) {
    Labelled label(nullptr, "Label1");
    EXPECT_TRUE(label.HasProperty("caption"));
    label.SetStrProp("CAPTION", "Hello");
    EXPECT_EQ(label.caption, "Hello");
    EXPECT_EQ(label.GetStrProp("Caption"), "Hello");
    // A property of another kind reads as empty and ignores writes.
    EXPECT_EQ(label.GetStrProp("Lines"), "");
    label.SetStrProp("Lines", "x");
    EXPECT_EQ(label.lines.Count(), 0);
    EXPECT_EQ(label.GetStringsProp("lines"), &label.lines);
    EXPECT_EQ(label.GetFontProp("Font"), &label.font);
    EXPECT_EQ(label.GetFontProp("Caption"), nullptr);
    EXPECT_FALSE(label.HasProperty("Hint"));
}

TEST(Component, ClassRelationsIncludeBaseClasses) {
    Labelled label(nullptr, "L");
    EXPECT_EQ(label.ClassName(), "TLabel");
    EXPECT_TRUE(label.InheritsFrom("TControl"));
    EXPECT_TRUE(label.InheritsFrom("TComponent"));
    EXPECT_FALSE(label.InheritsFrom("TListView"));
}

TEST(Component, WatcherHearsOfDestruction) {
    Component form(nullptr, "Form", {"TForm"});
    auto* watcher = new Watcher(&form);
    auto* menu = new Labelled(&form, "Menu");
    watcher->Watch(menu);
    delete menu;
    EXPECT_EQ(watcher->watched, nullptr);
}

TEST(Component, WatcherDestroyedFirstIsForgotten) {
    auto* menu = new Labelled(nullptr, "Menu");
    Watcher stays(nullptr);
    stays.Watch(menu);
    {
        Watcher gone(nullptr);
        gone.Watch(menu);
    }
    // Only the watcher still there hears of it; the gone one is not touched (ASan checks).
    delete menu;
    EXPECT_EQ(stays.watched, nullptr);
}

TEST(TStrings, NotifiesEveryChangeAndFindsNames) {
    ui::TStrings list{"Str0=Error", "Str1=File"};
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.Add("Str2=x");
    list.Set(0, "STR0=Fehler");
    list.Delete(1);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.IndexOfName("str0"), 0);
    EXPECT_EQ(list.IndexOfName("Str1"), -1);
}

}  // namespace
