// Small stand-ins for the toolkit's kinds: components with a chosen class chain
// and the published properties the translators look at, kept in memory.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Component.h"
#include "localisation/ElementTexts.h"

namespace loctest {

struct Props {
    std::vector<std::string> strings;       // published string properties
    std::vector<std::string> stringLists;   // published string-list properties
    std::vector<std::string> objects;       // published object properties (not string lists)
    bool font = false;
};

class FakeComponent : public ui::Component {
public:
    FakeComponent(ui::Component* owner, std::string name, std::initializer_list<std::string_view> classChain,
                  const Props& props);

    std::string& operator[](const std::string& property) { return values_[property]; }
    ui::TStrings& List(const std::string& property) { return lists_[property]; }
    ui::TFont font;

private:
    std::map<std::string, std::string> values_;
    std::map<std::string, ui::TStrings> lists_;
    int objectDummy_ = 0;
};

// Window-like owners.
FakeComponent* MakeForm(std::string_view className, std::string name);
FakeComponent* MakeFrame(ui::Component* owner, std::string name);
FakeComponent* MakeDataModule(std::string name);

// Controls with Caption, Hint and Font.
FakeComponent* MakeButton(ui::Component* owner, std::string name, std::string caption = {});
FakeComponent* MakeLabel(ui::Component* owner, std::string name, std::string caption = {});
FakeComponent* MakeGroupBox(ui::Component* owner, std::string name, std::string caption = {});
FakeComponent* MakeRadioButton(ui::Component* owner, std::string name, std::string caption = {});
FakeComponent* MakeCheckBox(ui::Component* owner, std::string name, std::string caption = {});
FakeComponent* MakeEdit(ui::Component* owner, std::string name);     // Hint, Font, Text
FakeComponent* MakeMemo(ui::Component* owner, std::string name);     // Hint, Font, Lines
FakeComponent* MakePicture(ui::Component* owner, std::string name);  // Hint
FakeComponent* MakeAction(ui::Component* owner, std::string name, std::string caption = {}, std::string hint = {});
FakeComponent* MakeOpenDialog(ui::Component* owner, std::string name, std::string title = {});
FakeComponent* MakeNonVisual(ui::Component* owner, std::string name, std::string_view className);  // no properties
FakeComponent* MakeSplitter(ui::Component* owner, std::string name);  // has Caption and Hint, yet is skipped
FakeComponent* MakeTimer(ui::Component* owner, std::string name);     // likewise

class FakeListView : public FakeComponent, public localisation::ListViewTexts {
public:
    FakeListView(ui::Component* owner, std::string name);
    struct Item {
        std::string caption;
        std::vector<std::string> subItems;
    };
    std::vector<std::string> columns;
    std::vector<Item> items;

    int ColumnCount() const override { return static_cast<int>(columns.size()); }
    std::string ColumnCaption(int c) const override { return columns.at(static_cast<std::size_t>(c)); }
    void SetColumnCaption(int c, const std::string& t) override { columns.at(static_cast<std::size_t>(c)) = t; }
    int ItemCount() const override { return static_cast<int>(items.size()); }
    std::string ItemCaption(int i) const override { return items.at(static_cast<std::size_t>(i)).caption; }
    void SetItemCaption(int i, const std::string& t) override { items.at(static_cast<std::size_t>(i)).caption = t; }
    int SubItemCount(int i) const override { return static_cast<int>(items.at(static_cast<std::size_t>(i)).subItems.size()); }
    std::string SubItem(int i, int j) const override {
        return items.at(static_cast<std::size_t>(i)).subItems.at(static_cast<std::size_t>(j));
    }
    void SetSubItem(int i, int j, const std::string& t) override {
        items.at(static_cast<std::size_t>(i)).subItems.at(static_cast<std::size_t>(j)) = t;
    }
};

class FakeTreeView : public FakeComponent, public localisation::TreeViewTexts {
public:
    FakeTreeView(ui::Component* owner, std::string name);
    std::vector<std::string> nodes;  // all nodes, each parent before its children
    int NodeCount() const override { return static_cast<int>(nodes.size()); }
    std::string NodeText(int n) const override { return nodes.at(static_cast<std::size_t>(n)); }
    void SetNodeText(int n, const std::string& t) override { nodes.at(static_cast<std::size_t>(n)) = t; }
};

class FakeHeaderControl : public FakeComponent, public localisation::HeaderControlTexts {
public:
    FakeHeaderControl(ui::Component* owner, std::string name);
    std::vector<std::string> sections;
    int SectionCount() const override { return static_cast<int>(sections.size()); }
    std::string SectionText(int s) const override { return sections.at(static_cast<std::size_t>(s)); }
    void SetSectionText(int s, const std::string& t) override { sections.at(static_cast<std::size_t>(s)) = t; }
};

class FakeDBGrid : public FakeComponent, public localisation::DBGridTexts {
public:
    FakeDBGrid(ui::Component* owner, std::string name);
    std::vector<std::string> titles;
    int ColumnCount() const override { return static_cast<int>(titles.size()); }
    std::string ColumnTitleCaption(int c) const override { return titles.at(static_cast<std::size_t>(c)); }
    void SetColumnTitleCaption(int c, const std::string& t) override { titles.at(static_cast<std::size_t>(c)) = t; }
};

// A main menu (top-level items) or a menu item (children); items are owned by the window.
class FakeMenuNode : public FakeComponent, public localisation::MenuItemList {
public:
    FakeMenuNode(ui::Component* owner, std::string name, bool isItem, std::string caption);
    std::vector<ui::Component*> children;
    int MenuItemCount() const override { return static_cast<int>(children.size()); }
    ui::Component* MenuItemAt(int i) const override { return children.at(static_cast<std::size_t>(i)); }
};

FakeMenuNode* MakeMainMenu(ui::Component* owner, std::string name);
// A menu item owned by owner and shown below parent (a menu or another item).
FakeMenuNode* AddMenuItem(ui::Component* owner, FakeMenuNode* parent, std::string name, std::string caption);

}  // namespace loctest
