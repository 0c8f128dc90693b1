// TsmlMenuLangRes: translates the captions of one menu's items, separators
// and the items below them excepted.
#pragma once

#include <string>

#include "localisation/SMLLangRes.h"
#include "ui/Component.h"

namespace localisation {

class TsmlMenuLangRes : public TsmlLangRes {
public:
    explicit TsmlMenuLangRes(ui::Component* owner, std::string name = "smlMenuLangRes");

    // The menu to translate, a component of the same window; not owned. It is
    // forgotten when that component is destroyed.
    ui::Component* Menu() const { return menu_; }
    // Starts a pass when active.
    void SetMenu(ui::Component* menu);

protected:
    void DoUpdateLangRes() override;
    void Notification(ui::Component* component, ui::TOperation operation) override;

private:
    ui::Component* menu_ = nullptr;
};

}  // namespace localisation
