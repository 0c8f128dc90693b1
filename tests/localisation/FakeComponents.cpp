#include "FakeComponents.h"

namespace loctest {

FakeComponent::FakeComponent(ui::Component* owner, std::string name,
                             std::initializer_list<std::string_view> classChain, const Props& props)
    : ui::Component(owner, std::move(name), classChain) {
    for (const std::string& p : props.strings) {
        values_[p];
        PublishString(p, [this, p] { return values_[p]; }, [this, p](const std::string& v) { values_[p] = v; });
    }
    for (const std::string& p : props.stringLists) PublishStrings(p, &lists_[p]);
    for (const std::string& p : props.objects) PublishObject(p, &objectDummy_);
    if (props.font) PublishFont("Font", &font);
}

namespace {

const Props kControl{{"Caption", "Hint"}, {}, {}, true};

FakeComponent* Control(ui::Component* owner, std::string name, std::string_view kind, std::string caption) {
    auto* c = new FakeComponent(owner, std::move(name), {kind, "TWinControl", "TControl"}, kControl);
    (*c)["Caption"] = std::move(caption);
    return c;
}

}  // namespace

FakeComponent* MakeForm(std::string_view className, std::string name) {
    return new FakeComponent(nullptr, std::move(name), {className, "TForm", "TCustomForm", "TWinControl"}, kControl);
}

FakeComponent* MakeFrame(ui::Component* owner, std::string name) {
    return new FakeComponent(owner, std::move(name), {"TTestFrame", "TFrame", "TCustomFrame", "TWinControl"}, kControl);
}

FakeComponent* MakeDataModule(std::string name) {
    return new FakeComponent(nullptr, std::move(name), {"TTestDataModule", "TDataModule"}, kControl);
}

FakeComponent* MakeButton(ui::Component* o, std::string n, std::string c) { return Control(o, std::move(n), "TButton", std::move(c)); }
FakeComponent* MakeLabel(ui::Component* o, std::string n, std::string c) { return Control(o, std::move(n), "TLabel", std::move(c)); }
FakeComponent* MakeGroupBox(ui::Component* o, std::string n, std::string c) { return Control(o, std::move(n), "TGroupBox", std::move(c)); }
FakeComponent* MakeRadioButton(ui::Component* o, std::string n, std::string c) { return Control(o, std::move(n), "TRadioButton", std::move(c)); }
FakeComponent* MakeCheckBox(ui::Component* o, std::string n, std::string c) { return Control(o, std::move(n), "TCheckBox", std::move(c)); }

FakeComponent* MakeEdit(ui::Component* owner, std::string name) {
    return new FakeComponent(owner, std::move(name), {"TEdit", "TWinControl"}, Props{{"Hint", "Text"}, {}, {}, true});
}

FakeComponent* MakeMemo(ui::Component* owner, std::string name) {
    return new FakeComponent(owner, std::move(name), {"TMemo", "TWinControl"}, Props{{"Hint"}, {"Lines"}, {}, true});
}

FakeComponent* MakePicture(ui::Component* owner, std::string name) {
    return new FakeComponent(owner, std::move(name), {"TImage", "TControl"}, Props{{"Hint"}, {}, {}, false});
}

FakeComponent* MakeAction(ui::Component* owner, std::string name, std::string caption, std::string hint) {
    auto* a = new FakeComponent(owner, std::move(name), {"TAction"}, Props{{"Caption", "Hint"}, {}, {}, false});
    (*a)["Caption"] = std::move(caption);
    (*a)["Hint"] = std::move(hint);
    return a;
}

FakeComponent* MakeOpenDialog(ui::Component* owner, std::string name, std::string title) {
    auto* d = new FakeComponent(owner, std::move(name), {"TOpenDialog"}, Props{{"Title"}, {}, {}, false});
    (*d)["Title"] = std::move(title);
    return d;
}

FakeComponent* MakeNonVisual(ui::Component* owner, std::string name, std::string_view className) {
    return new FakeComponent(owner, std::move(name), {className}, Props{});
}

FakeComponent* MakeSplitter(ui::Component* owner, std::string name) {
    return Control(owner, std::move(name), "TSplitter", "splitter");
}

FakeComponent* MakeTimer(ui::Component* owner, std::string name) {
    return new FakeComponent(owner, std::move(name), {"TTimer"}, Props{{"Caption", "Hint"}, {}, {}, false});
}

ui::TListView* MakeListView(ui::Component* owner, std::string name, std::vector<std::string> columns,
                            std::vector<std::vector<std::string>> rows) {
    auto* view = new ui::TListView(owner, std::move(name));
    for (std::string& caption : columns) view->Columns().Add(std::move(caption));
    for (auto& row : rows) {
        ui::TListItem& item = view->Items().Add();
        item.SetCaption(row.at(0));
        for (std::size_t j = 1; j < row.size(); ++j) item.AddSubItem(row[j]);
    }
    return view;
}

ui::TTreeView* MakeTreeView(ui::Component* owner, std::string name, std::vector<std::pair<int, std::string>> nodes) {
    auto* tree = new ui::TTreeView(owner, std::move(name));
    std::vector<ui::TTreeNode*> lastAtLevel;
    for (auto& [level, text] : nodes) {
        ui::TTreeNode* parent = level == 0 ? nullptr : lastAtLevel.at(static_cast<std::size_t>(level - 1));
        ui::TTreeNode& node = tree->Items().AddChild(parent, std::move(text));
        lastAtLevel.resize(static_cast<std::size_t>(level));
        lastAtLevel.push_back(&node);
    }
    return tree;
}

ui::THeaderControl* MakeHeaderControl(ui::Component* owner, std::string name, std::vector<std::string> sections) {
    auto* header = new ui::THeaderControl(owner, std::move(name));
    for (std::string& text : sections) header->Sections().push_back({std::move(text)});
    return header;
}

ui::TDBGrid* MakeDBGrid(ui::Component* owner, std::string name, std::vector<std::string> titles) {
    auto* grid = new ui::TDBGrid(owner, std::move(name));
    for (std::string& title : titles) grid->Columns().push_back({std::move(title)});
    return grid;
}

ui::TMainMenu* MakeMainMenu(ui::Component* owner, std::string name) { return new ui::TMainMenu(owner, std::move(name)); }

ui::TMenuItem* AddMenuItem(ui::Component* owner, ui::TMenuItem& parent, std::string name, std::string caption) {
    auto* item = new ui::TMenuItem(owner, std::move(name));
    item->SetCaption(std::move(caption));
    parent.Add(*item);
    return item;
}

std::vector<std::string> ColumnCaptions(const ui::TListView& view) {
    std::vector<std::string> captions;
    for (int i = 0; i < view.Columns().Count(); ++i) captions.push_back(view.Columns()[i].Caption());
    return captions;
}

std::vector<std::vector<std::string>> Rows(const ui::TListView& view) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < view.Items().Count(); ++i) {
        const ui::TListItem& item = view.Items()[i];
        rows.push_back({item.Caption()});
        for (int j = 0; j < item.SubItemCount(); ++j) rows.back().push_back(item.SubItem(j));
    }
    return rows;
}

std::vector<std::string> NodeTexts(const ui::TTreeView& tree) {
    std::vector<std::string> texts;
    for (int i = 0; i < tree.Items().Count(); ++i) texts.push_back(tree.Items().Item(i)->Text());
    return texts;
}

}  // namespace loctest
