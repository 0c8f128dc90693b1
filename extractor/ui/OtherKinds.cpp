#include "ui/OtherKinds.h"

namespace ui {
namespace {

// The class chain of a class derived from base (the two may be the same).
std::vector<std::string> ChainOf(std::string className, std::vector<std::string> base) {
    if (className != base.front()) base.insert(base.begin(), std::move(className));
    return base;
}

}  // namespace

THeaderControl::THeaderControl(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"THeaderControl", "TCustomHeaderControl", "TWinControl", "TControl"}) {
    PublishHint();
    PublishFontProperty();
    PublishObject("Sections", &sections_);
}

TDBGrid::TDBGrid(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TDBGrid", "TCustomDBGrid", "TCustomGrid", "TWinControl", "TControl"}) {
    PublishHint();
    PublishFontProperty();
    PublishObject("Columns", &columns_);
}

TTimer::TTimer(Component* owner, std::string name) : Component(owner, std::move(name), {"TTimer"}) {}

TDataModule::TDataModule(Component* owner, std::string name, std::string className)
    : Component(owner, std::move(name), ChainOf(std::move(className), {"TDataModule"})) {}

TFrame::TFrame(Component* owner, std::string name, std::string className)
    : TControl(owner, std::move(name),
               ChainOf(std::move(className), {"TFrame", "TCustomFrame", "TScrollingWinControl", "TWinControl", "TControl"})) {
    PublishHint();
    PublishFontProperty();
}

TFrame::~TFrame() {
    // The frame's own components use the frame as their parent.
    DestroyComponents();
    DestroyControl();
}

}  // namespace ui
