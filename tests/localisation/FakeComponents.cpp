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

FakeListView::FakeListView(ui::Component* owner, std::string name)
    : FakeComponent(owner, std::move(name), {"TListView", "TCustomListView", "TWinControl"},
                    Props{{"Hint"}, {}, {"Items"}, true}) {}

FakeTreeView::FakeTreeView(ui::Component* owner, std::string name)
    : FakeComponent(owner, std::move(name), {"TTreeView", "TCustomTreeView", "TWinControl"},
                    Props{{"Hint"}, {}, {"Items"}, true}) {}

FakeHeaderControl::FakeHeaderControl(ui::Component* owner, std::string name)
    : FakeComponent(owner, std::move(name), {"THeaderControl", "TWinControl"}, Props{{"Hint"}, {}, {}, true}) {}

FakeDBGrid::FakeDBGrid(ui::Component* owner, std::string name)
    : FakeComponent(owner, std::move(name), {"TDBGrid", "TCustomDBGrid", "TWinControl"}, Props{{"Hint"}, {}, {}, true}) {}

FakeMenuNode::FakeMenuNode(ui::Component* owner, std::string name, bool isItem, std::string caption)
    : FakeComponent(owner, std::move(name),
                    isItem ? std::initializer_list<std::string_view>{"TMenuItem"}
                           : std::initializer_list<std::string_view>{"TMainMenu", "TMenu"},
                    isItem ? Props{{"Caption", "Hint"}, {}, {}, false} : Props{{}, {}, {"Items"}, false}) {
    if (isItem) (*this)["Caption"] = std::move(caption);
}

FakeMenuNode* MakeMainMenu(ui::Component* owner, std::string name) {
    return new FakeMenuNode(owner, std::move(name), false, {});
}

FakeMenuNode* AddMenuItem(ui::Component* owner, FakeMenuNode* parent, std::string name, std::string caption) {
    auto* item = new FakeMenuNode(owner, std::move(name), true, std::move(caption));
    parent->children.push_back(item);
    return item;
}

}  // namespace loctest
