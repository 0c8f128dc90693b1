#include "localisation/SMLMenuLangRes.h"

#include "localisation/ElementTexts.h"

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
    auto* items = dynamic_cast<MenuItemList*>(menu_);
    if (!items) return;
    for (int i = 0; i < items->MenuItemCount(); ++i) {
        if (ui::Component* item = items->MenuItemAt(i)) RegisterMenuItem(*item);
    }
}

}  // namespace localisation
