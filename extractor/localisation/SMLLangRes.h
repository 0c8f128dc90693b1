// TsmlLangRes: the base of a window's localisation components. It knows the
// language file (an INI file in the program's folder, one section per window
// class) and the rule by which one text is read from it or, in auto-create
// mode, written to it; its descendants decide which texts a pass covers.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "ui/Component.h"

namespace platform {
class IniFile;
}

namespace localisation {

enum class OwnerKind { Form, DataModule, Frame };

class TsmlLangRes : public ui::Component {
public:
    static constexpr std::string_view kDefaultLangFileName = "DefLang.ini";

    bool Active() const { return active_; }
    // Stores the value, then runs a pass when it is true. Setting false undoes nothing.
    void SetActive(bool value);

    // The file-name part of the language file.
    std::string LangFileName() const;
    // The language file becomes the program's folder + name; then a pass when active.
    void SetLangFileName(const std::string& name);
    // The full path of the language file (the bare default name until one is given).
    const std::string& LanguageFile() const { return languageFile_; }

    bool IgnoreEmptyString() const { return ignoreEmptyString_; }
    void SetIgnoreEmptyString(bool value);
    bool AutoCreateMode() const { return autoCreateMode_; }
    void SetAutoCreateMode(bool value);
    bool AddBracket() const { return addBracket_; }
    void SetAddBracket(bool value) { addBracket_ = value; }  // starts no pass

    OwnerKind GetOwnerKind() const { return ownerKind_; }
    // The section of this component's texts: the class name of its owner.
    const std::string& SectionName() const { return Owner()->ClassName(); }

    // Runs the pass when active.
    void UpdateLangRes();

    // The translation of key in the owner's section, or "" when the file has
    // none; in auto-create mode a missing key is written with builtIn.
    std::string RegisterKeyValueToFile(const std::string& key, const std::string& builtIn);

    // A text enclosed in "<" and ">" without them; any other text unchanged.
    static std::string ProcessedStr(std::string_view text);
    // The text enclosed in "<" and ">" when AddBracket is set.
    std::string UnProcessedStr(std::string_view text) const;

    // Erases the whole section from the language file; failures are ignored.
    void UnRegister(const std::string& section);

    // Registration operations. Each reads (and may write) the owner's section
    // through its own INI-file object. Keys start with the component's name.
    // Those for a kind do nothing for a component of another kind.
    void RegisterStrPropToFile(ui::Component& component, const std::string& property);
    void RegisterStrsPropToFile(ui::Component& component, const std::string& property);
    void RegisterFontPropToFile(ui::Component& component);
    void RegisterListView(ui::Component& listView);
    void RegisterListViewItems(ui::Component& listView);
    void RegisterTreeViewItems(ui::Component& treeView);
    void RegisterHeaderControl(ui::Component& headerControl);
    void RegisterDBGrid(ui::Component& grid);
    void RegisterMenuItem(ui::Component& menuItem);

protected:
    // Fails with "Owner must be a Form or a DataModule!" unless owner is a
    // form, a data module or a frame.
    TsmlLangRes(ui::Component* owner, std::string name, std::initializer_list<std::string_view> classChain);

    // The translation pass.
    virtual void DoUpdateLangRes() = 0;

private:
    // The read-or-write rule for one text whose current value is current: a
    // non-empty value in the file gives the translation; otherwise, when
    // auto-create applies, the current text is written and nothing returned.
    std::optional<std::string> ReadOrCreate(platform::IniFile& ini, const std::string& key, const std::string& current);
    // The rule for count numbered texts, read with get and replaced with set.
    void RegisterIndexed(int count, const std::function<std::string(int)>& key,
                         const std::function<std::string(int)>& get,
                         const std::function<void(int, const std::string&)>& set);

    OwnerKind ownerKind_;
    bool active_ = false;
    std::string languageFile_{kDefaultLangFileName};
    bool ignoreEmptyString_ = false;
    bool autoCreateMode_ = true;
    bool addBracket_ = false;
};

}  // namespace localisation
