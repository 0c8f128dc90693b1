#include "localisation/SMLFormLangRes.h"

#include <algorithm>

#include "localisation/Smlpublic.h"

namespace localisation {
namespace {

// Kinds the walk never touches: translators of forms (this one included),
// splitters, timers and menu items (the menu translator's business).
bool IsSkippedKind(const ui::Component& component) {
    return component.InheritsFrom("TsmlFormLangRes") || component.InheritsFrom("TSplitter") ||
           component.InheritsFrom("TTimer") || component.InheritsFrom("TMenuItem");
}

}  // namespace

TsmlFormLangRes::TsmlFormLangRes(ui::Component* owner, std::string name)
    : TsmlLangRes(owner, std::move(name), {"TsmlFormLangRes", "TsmlLangRes"}) {
    for (ui::TStrings* list : {&stringProperties_, &stringsProperties_, &ignoreControls_}) {
        list->OnChange = [this] { UpdateLangRes(); };
    }
}

void TsmlFormLangRes::SetIgnoreFormCaption(bool value) {
    ignoreFormCaption_ = value;
    UpdateLangRes();
}

void TsmlFormLangRes::SetIncludeListViewItems(bool value) {
    includeListViewItems_ = value;
    UpdateLangRes();
}

void TsmlFormLangRes::SetIncludeListViewHead(bool value) {
    includeListViewHead_ = value;
    UpdateLangRes();
}

void TsmlFormLangRes::SetIncludeTreeViewItems(bool value) {
    includeTreeViewItems_ = value;
    UpdateLangRes();
}

bool TsmlFormLangRes::IsIgnored(const std::string& name) const {
    const auto& names = ignoreControls_.Lines();
    return std::find(names.begin(), names.end(), name) != names.end();
}

void TsmlFormLangRes::DoUpdateLangRes() {
    if (GetOwnerKind() == OwnerKind::DataModule) return;  // nothing of a data module is shown
    ui::Component& owner = *Owner();

    RegisterFontPropToFile(owner);
    for (int i = 0; i < stringProperties_.Count(); ++i) {
        const std::string property = stringProperties_[i];
        if (ignoreFormCaption_ && property == "Caption") continue;
        if (IsHasProperty(&owner, property)) RegisterStrPropToFile(owner, property);
    }
    for (int i = 0; i < stringsProperties_.Count(); ++i) {
        const std::string property = stringsProperties_[i];
        if (IsHasProperty(&owner, property)) RegisterStrsPropToFile(owner, property);
    }

    // By index: the owner's list is the live one, in creation order.
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        ui::Component& component = *owner.Components()[static_cast<std::size_t>(i)];
        if (IsSkippedKind(component) || IsIgnored(component.Name())) continue;
        TranslateComponent(component);
    }
}

void TsmlFormLangRes::TranslateComponent(ui::Component& component) {
    if (component.InheritsFrom("TListView")) {
        // Only the columns and, when asked, the items: not even the hint.
        if (includeListViewHead_) RegisterListView(component);
        if (includeListViewItems_) RegisterListViewItems(component);
        return;
    }
    if (component.InheritsFrom("TTreeView") && includeTreeViewItems_) {
        RegisterTreeViewItems(component);
        return;
    }
    if (component.InheritsFrom("THeaderControl")) {
        RegisterHeaderControl(component);
        return;
    }
    if (component.InheritsFrom("TDBGrid")) {
        RegisterDBGrid(component);
        return;
    }
    // An ordinary component (a tree view whose nodes are not translated included).
    for (int i = 0; i < stringProperties_.Count(); ++i) {
        const std::string property = stringProperties_[i];
        if (IsHasProperty(&component, property)) RegisterStrPropToFile(component, property);
    }
    for (int i = 0; i < stringsProperties_.Count(); ++i) {
        const std::string property = stringsProperties_[i];
        if (IsHasProperty(&component, property)) RegisterStrsPropToFile(component, property);
    }
}

}  // namespace localisation
