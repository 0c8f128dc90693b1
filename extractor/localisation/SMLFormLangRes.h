// TsmlFormLangRes: translates the window that owns it - its font, its own text
// properties and those of every component it owns, walked in creation order.
#pragma once

#include <string>
#include <vector>

#include "localisation/SMLLangRes.h"
#include "ui/Component.h"

namespace localisation {

class TsmlFormLangRes : public TsmlLangRes {
public:
    explicit TsmlFormLangRes(ui::Component* owner, std::string name = "smlFormLangRes");

    // Names of string properties translated on the window and on each ordinary
    // component ("Caption" at creation).
    ui::TStrings& StringProperties() { return stringProperties_; }
    // Names of string-list properties whose lines are translated one by one
    // ("Tabs", "Items" at creation).
    ui::TStrings& StringsProperties() { return stringsProperties_; }
    // Names of components the walk leaves alone (exact, case-sensitive).
    ui::TStrings& IgnoreControls() { return ignoreControls_; }
    // Each assignment copies the lines and starts one pass when active; so does any other change of a list.
    void SetStringProperties(const std::vector<std::string>& lines) { stringProperties_.Assign(lines); }
    void SetStringsProperties(const std::vector<std::string>& lines) { stringsProperties_.Assign(lines); }
    void SetIgnoreControls(const std::vector<std::string>& lines) { ignoreControls_.Assign(lines); }

    bool IgnoreFormCaption() const { return ignoreFormCaption_; }
    void SetIgnoreFormCaption(bool value);
    bool IncludeListViewItems() const { return includeListViewItems_; }
    void SetIncludeListViewItems(bool value);
    bool IncludeListViewHead() const { return includeListViewHead_; }
    void SetIncludeListViewHead(bool value);
    bool IncludeTreeViewItems() const { return includeTreeViewItems_; }
    void SetIncludeTreeViewItems(bool value);

protected:
    void DoUpdateLangRes() override;

private:
    void TranslateComponent(ui::Component& component);
    bool IsIgnored(const std::string& name) const;

    ui::TStrings stringProperties_{"Caption"};
    ui::TStrings stringsProperties_{"Tabs", "Items"};
    ui::TStrings ignoreControls_;
    bool ignoreFormCaption_ = false;
    bool includeListViewItems_ = false;
    bool includeListViewHead_ = false;
    bool includeTreeViewItems_ = false;
};

}  // namespace localisation
