// Small stand-ins for the toolkit's kinds: components with a chosen class chain
// and the published properties the translators look at, kept in memory.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Component.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/OtherKinds.h"
#include "ui/TreeView.h"

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
// A splitter and a timer that expose Caption and Hint, to show that the walk skips them all the same.
FakeComponent* MakeSplitter(ui::Component* owner, std::string name);
FakeComponent* MakeTimer(ui::Component* owner, std::string name);

// The toolkit's own kinds with the texts the translators look at.
ui::TListView* MakeListView(ui::Component* owner, std::string name, std::vector<std::string> columns,
                            std::vector<std::vector<std::string>> rows = {});  // row: caption, sub-items...
// Nodes given as (level, text) in order, each parent before its children.
ui::TTreeView* MakeTreeView(ui::Component* owner, std::string name, std::vector<std::pair<int, std::string>> nodes);
ui::THeaderControl* MakeHeaderControl(ui::Component* owner, std::string name, std::vector<std::string> sections);
ui::TDBGrid* MakeDBGrid(ui::Component* owner, std::string name, std::vector<std::string> titles);
ui::TMainMenu* MakeMainMenu(ui::Component* owner, std::string name);
// A menu item owned by owner, shown below parent (the menu's root item or another item).
ui::TMenuItem* AddMenuItem(ui::Component* owner, ui::TMenuItem& parent, std::string name, std::string caption);

// Texts of list and tree views, for comparisons.
std::vector<std::string> ColumnCaptions(const ui::TListView& view);
std::vector<std::vector<std::string>> Rows(const ui::TListView& view);
std::vector<std::string> NodeTexts(const ui::TTreeView& tree);

}  // namespace loctest
