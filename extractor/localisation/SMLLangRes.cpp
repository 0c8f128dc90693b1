#include "localisation/SMLLangRes.h"

#include <stdexcept>

#include "platform/IniFile.h"
#include "platform/Path.h"
#include "platform/ProgramPath.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/OtherKinds.h"
#include "ui/TreeView.h"

namespace localisation {
namespace {

OwnerKind ClassifyOwner(const ui::Component* owner) {
    if (owner) {
        if (owner->InheritsFrom("TCustomForm") || owner->InheritsFrom("TForm")) return OwnerKind::Form;
        if (owner->InheritsFrom("TDataModule")) return OwnerKind::DataModule;
        if (owner->InheritsFrom("TCustomFrame") || owner->InheritsFrom("TFrame")) return OwnerKind::Frame;
    }
    throw std::runtime_error("Owner must be a Form or a DataModule!");
}

// Checks the owner before the component joins it.
ui::Component* AcceptedOwner(ui::Component* owner) {
    ClassifyOwner(owner);
    return owner;
}

std::string IndexedKey(const std::string& name, std::string_view what, int index) {
    return name + "_" + std::string(what) + "[" + std::to_string(index) + "]";
}

}  // namespace

TsmlLangRes::TsmlLangRes(ui::Component* owner, std::string name, std::initializer_list<std::string_view> classChain)
    : ui::Component(AcceptedOwner(owner), std::move(name), classChain), ownerKind_(ClassifyOwner(owner)) {}

void TsmlLangRes::SetActive(bool value) {
    active_ = value;
    UpdateLangRes();
}

std::string TsmlLangRes::LangFileName() const { return platform::NameOf(languageFile_); }

void TsmlLangRes::SetLangFileName(const std::string& name) {
    languageFile_ = platform::ProgramFolder() + name;
    UpdateLangRes();
}

void TsmlLangRes::SetIgnoreEmptyString(bool value) {
    ignoreEmptyString_ = value;
    UpdateLangRes();
}

void TsmlLangRes::SetAutoCreateMode(bool value) {
    autoCreateMode_ = value;
    UpdateLangRes();
}

void TsmlLangRes::UpdateLangRes() {
    if (active_) DoUpdateLangRes();
}

std::string TsmlLangRes::ProcessedStr(std::string_view text) {
    if (text.size() >= 2 && text.front() == '<' && text.back() == '>') text = text.substr(1, text.size() - 2);
    return std::string(text);
}

std::string TsmlLangRes::UnProcessedStr(std::string_view text) const {
    if (!addBracket_) return std::string(text);
    std::string enclosed;
    enclosed.reserve(text.size() + 2);
    enclosed.append(1, '<').append(text).append(1, '>');
    return enclosed;
}

std::optional<std::string> TsmlLangRes::ReadOrCreate(platform::IniFile& ini, const std::string& key,
                                                     const std::string& current) {
    const std::string value = ini.ReadString(SectionName(), key, "");
    if (!value.empty()) return ProcessedStr(value);
    if (autoCreateMode_ && (!current.empty() || !ignoreEmptyString_)) {
        ini.WriteString(SectionName(), key, UnProcessedStr(current));
    }
    return std::nullopt;
}

std::string TsmlLangRes::RegisterKeyValueToFile(const std::string& key, const std::string& builtIn) {
    platform::IniFile ini(languageFile_);
    return ReadOrCreate(ini, key, builtIn).value_or(std::string());
}

void TsmlLangRes::UnRegister(const std::string& section) {
    try {
        platform::IniFile(languageFile_).EraseSection(section);
    } catch (...) {
        // Erasing is a courtesy: nothing depends on it.
    }
}

void TsmlLangRes::RegisterStrPropToFile(ui::Component& component, const std::string& property) {
    platform::IniFile ini(languageFile_);
    const std::string key = component.Name() + "_" + property;
    if (auto text = ReadOrCreate(ini, key, component.GetStrProp(property))) component.SetStrProp(property, *text);
}

void TsmlLangRes::RegisterStrsPropToFile(ui::Component& component, const std::string& property) {
    ui::TStrings* lines = component.GetStringsProp(property);
    if (!lines) return;
    platform::IniFile ini(languageFile_);
    for (int i = 0; i < lines->Count(); ++i) {
        if (auto text = ReadOrCreate(ini, IndexedKey(component.Name(), property, i), (*lines)[i])) lines->Set(i, *text);
    }
}

void TsmlLangRes::RegisterFontPropToFile(ui::Component& component) {
    ui::TFont* font = component.GetFontProp("Font");
    if (!font) return;
    platform::IniFile ini(languageFile_);
    const std::string& section = SectionName();
    const std::string prefix = component.Name() + "_Font";

    // The name is written even when empty: IgnoreEmptyString covers texts only.
    const std::string name = ini.ReadString(section, prefix + "Name", "");
    if (!name.empty()) {
        font->Name = ProcessedStr(name);
        font->Changed();
    } else if (autoCreateMode_) {
        ini.WriteString(section, prefix + "Name", UnProcessedStr(font->Name));
    }

    // 0 is no size and -1 no character set: those values, like non-numbers, count as missing.
    if (const int size = ini.ReadInteger(section, prefix + "Size", 0); size != 0) {
        font->Size = size;
        font->Changed();
    } else if (autoCreateMode_) {
        ini.WriteInteger(section, prefix + "Size", font->Size);
    }

    if (const int charset = ini.ReadInteger(section, prefix + "Charset", -1); charset != -1) {
        font->Charset = charset;
        font->Changed();
    } else if (autoCreateMode_) {
        ini.WriteInteger(section, prefix + "Charset", font->Charset);
    }
}

// Indexed texts: "the same three steps" for each element, through get and set.
void TsmlLangRes::RegisterIndexed(int count, const std::function<std::string(int)>& key,
                                  const std::function<std::string(int)>& get,
                                  const std::function<void(int, const std::string&)>& set) {
    platform::IniFile ini(languageFile_);
    for (int i = 0; i < count; ++i) {
        if (auto text = ReadOrCreate(ini, key(i), get(i))) set(i, *text);
    }
}

void TsmlLangRes::RegisterListView(ui::Component& listView) {
    auto* view = dynamic_cast<ui::TListView*>(&listView);
    if (!view) return;
    ui::TListColumns& columns = view->Columns();
    RegisterIndexed(
        columns.Count(), [&](int i) { return IndexedKey(listView.Name(), "ColumnCaption", i); },
        [&](int i) { return columns[i].Caption(); }, [&](int i, const std::string& t) { columns[i].SetCaption(t); });
}

void TsmlLangRes::RegisterListViewItems(ui::Component& listView) {
    auto* view = dynamic_cast<ui::TListView*>(&listView);
    if (!view) return;
    platform::IniFile ini(languageFile_);
    const std::string& name = listView.Name();
    for (int i = 0; i < view->Items().Count(); ++i) {
        ui::TListItem& item = view->Items()[i];
        if (auto text = ReadOrCreate(ini, IndexedKey(name, "ItemCaption", i), item.Caption())) item.SetCaption(*text);
        for (int j = 0; j < item.SubItemCount(); ++j) {
            const std::string key = IndexedKey(name, "SubItem", i) + "Caption[" + std::to_string(j) + "]";
            if (auto text = ReadOrCreate(ini, key, item.SubItem(j))) item.SetSubItem(j, *text);
        }
    }
}

void TsmlLangRes::RegisterTreeViewItems(ui::Component& treeView) {
    auto* tree = dynamic_cast<ui::TTreeView*>(&treeView);
    if (!tree) return;
    ui::TTreeNodes& nodes = tree->Items();
    RegisterIndexed(
        nodes.Count(), [&](int i) { return IndexedKey(treeView.Name(), "ItemText", i); },
        [&](int i) { return nodes.Item(i)->Text(); }, [&](int i, const std::string& t) { nodes.Item(i)->SetText(t); });
}

void TsmlLangRes::RegisterHeaderControl(ui::Component& headerControl) {
    auto* header = dynamic_cast<ui::THeaderControl*>(&headerControl);
    if (!header) return;
    auto& sections = header->Sections();
    RegisterIndexed(
        static_cast<int>(sections.size()), [&](int i) { return IndexedKey(headerControl.Name(), "SectionsText", i); },
        [&](int i) { return sections.at(static_cast<std::size_t>(i)).text; },
        [&](int i, const std::string& t) { sections.at(static_cast<std::size_t>(i)).text = t; });
}

void TsmlLangRes::RegisterDBGrid(ui::Component& grid) {
    auto* dbGrid = dynamic_cast<ui::TDBGrid*>(&grid);
    if (!dbGrid) return;
    auto& columns = dbGrid->Columns();
    RegisterIndexed(
        static_cast<int>(columns.size()), [&](int i) { return IndexedKey(grid.Name(), "ColumnsCaption", i); },
        [&](int i) { return columns.at(static_cast<std::size_t>(i)).titleCaption; },
        [&](int i, const std::string& t) { columns.at(static_cast<std::size_t>(i)).titleCaption = t; });
}

void TsmlLangRes::RegisterMenuItem(ui::Component& menuItem) {
    auto* item = dynamic_cast<ui::TMenuItem*>(&menuItem);
    if (!item || item->IsSeparator()) return;  // a separator, and nothing below it
    RegisterStrPropToFile(*item, "Caption");
    for (int i = 0; i < item->Count(); ++i) RegisterMenuItem(item->Item(i));
}

}  // namespace localisation
