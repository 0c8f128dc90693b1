#include "localisation/SMLMenuLangRes.h"

#include "ui/Menus.h"

namespace localisation {

TsmlMenuLangRes::TsmlMenuLangRes(ui::Component* owner, std::string name)
    : TsmlLangRes(owner, std::move(name), {"TsmlMenuLangRes", "TsmlLangRes"}) {}

void TsmlMenuLangRes::SetMenu(ui::Component* menu) {
    if (menu_ != menu) {
        if (menu_) RemoveFreeNotification(menu_);
        menu_ = menu;
        if (menu_) FreeNotification(menu_);
    }
    UpdateLangRes();
}

void TsmlMenuLangRes::Notification(ui::Component* component, ui::TOperation operation) {
    TsmlLangRes::Notification(component, operation);
    if (operation == ui::TOperation::opRemove && component == menu_) menu_ = nullptr;
}

void TsmlMenuLangRes::DoUpdateLangRes() {
    auto* menu = dynamic_cast<ui::TMainMenu*>(menu_);
    if (!menu) return;
    const ui::TMenuItem& root = menu->Items();
    for (int i = 0; i < root.Count(); ++i) RegisterMenuItem(root.Item(i));
}

}  // namespace localisation
