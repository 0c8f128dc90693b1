#include "localisation/WindowLangResSettings.h"

#include "localisation/SMLFormLangRes.h"
#include "localisation/SMLMenuLangRes.h"
#include "localisation/SMLMsgLangRes.h"
#include "platform/ProgramPath.h"

namespace localisation {
namespace {

constexpr std::string_view kCaptionHintTitle[] = {"Caption", "Hint", "Title"};
constexpr std::string_view kCaptionHint[] = {"Caption", "Hint"};
constexpr std::string_view kTabsItems[] = {"Tabs", "Items"};

constexpr std::string_view kMainFormIgnored[] = {
    "MainMenu",       "File",           "Exit",       "N1",         "Open",
    "Help",           "About",          "Unzipper",   "CommonFolderEdit",
    "FolderSelectionBtn", "SetFolderForSelectedBtn", "ActionList", "SetFolderForAllActn",
    "ListViewImageList", "CloseBtn",    "ExtractBtn", "CancelBtn",  "DestinationsSelectionsGbox",
    "LogMemo",
};
constexpr std::string_view kArchiveSelectionIgnored[] = {
    "asfExplanationLbl", "GroupBox", "TreeView", "ActionList", "TreeViewImageList", "OkBtn",
};
constexpr std::string_view kArchiveVariantSelectionIgnored[] = {"ActionList", "GroupBox", "OKBtn"};
constexpr std::string_view kAboutDlgIgnored[] = {"OkBtn", "Image", "Label1", "Label6"};

constexpr LangResRole kFormMessagesMenu[] = {LangResRole::Form, LangResRole::Messages, LangResRole::Menu};
constexpr LangResRole kFormMessages[] = {LangResRole::Form, LangResRole::Messages};
constexpr LangResRole kFormOnly[] = {LangResRole::Form};

std::vector<std::string> Lines(std::span<const std::string_view> names) {
    return std::vector<std::string>(names.begin(), names.end());
}

}  // namespace

const WindowLangResSettings kMainFormLangRes{
    "TExtrMainForm",
    {kCaptionHintTitle, kTabsItems, kMainFormIgnored, false, true, false, false},
    kFormMessagesMenu,
    "MainMenu",
};

const WindowLangResSettings kArchiveSelectionFormLangRes{
    "TExtrArchiveSelectionForm",
    {kCaptionHint, kTabsItems, kArchiveSelectionIgnored, false, false, false, false},
    kFormMessages,
    {},
};

const WindowLangResSettings kArchiveVariantSelectionFormLangRes{
    "TExtrArchiveVariantSelectionForm",
    {kCaptionHint, kTabsItems, kArchiveVariantSelectionIgnored, false, true, false, false},
    kFormOnly,
    {},
};

const WindowLangResSettings kAboutDlgLangRes{
    "TExtrAboutDlg",
    {kCaptionHint, kTabsItems, kAboutDlgIgnored, false, false, false, false},
    kFormOnly,
    {},
};

void ApplyStoredSettings(TsmlLangRes& component) {
    const StoredLangResSettings& stored = kStoredLangResSettings;
    component.SetActive(false);
    component.SetLangFileName(std::string(stored.langFileName));
    component.SetIgnoreEmptyString(stored.ignoreEmptyString);
    component.SetAutoCreateMode(stored.autoCreateMode);
    component.SetAddBracket(stored.addBracket);
    component.SetActive(stored.active);
}

void ApplyStoredSettings(TsmlFormLangRes& component, const WindowLangResSettings& window) {
    ApplyStoredSettings(static_cast<TsmlLangRes&>(component));
    const FormLangResSettings& form = window.form;
    component.SetStringProperties(Lines(form.stringProperties));
    component.SetStringsProperties(Lines(form.stringsProperties));
    component.SetIgnoreControls(Lines(form.ignoreControls));
    component.SetIgnoreFormCaption(form.ignoreFormCaption);
    component.SetIncludeListViewHead(form.includeListViewHead);
    component.SetIncludeListViewItems(form.includeListViewItems);
    component.SetIncludeTreeViewItems(form.includeTreeViewItems);
}

void ApplyStoredSettings(TsmlMenuLangRes& component, const WindowLangResSettings& window) {
    ApplyStoredSettings(static_cast<TsmlLangRes&>(component));
    component.SetMenu(window.menuName.empty() ? nullptr : component.Owner()->FindComponent(window.menuName));
}

void ActivateLangRes(const WindowLangResSettings& window, const WindowLangRes& components, const std::string& fileName) {
    auto componentOf = [&](LangResRole role) -> TsmlLangRes* {
        switch (role) {
            case LangResRole::Form: return components.form;
            case LangResRole::Messages: return components.messages;
            case LangResRole::Menu: return components.menu;
        }
        return nullptr;
    };
    for (LangResRole role : window.activationOrder) {
        if (TsmlLangRes* component = componentOf(role)) component->SetLangFileName(fileName);
    }
    for (LangResRole role : window.activationOrder) {
        if (TsmlLangRes* component = componentOf(role)) component->SetActive(true);
    }
}

std::string LanguageFileName() { return platform::ApplicationTitle() + ".lng"; }

std::vector<std::string> MessageListLines(std::span<const std::string_view> texts) {
    std::vector<std::string> lines;
    lines.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        lines.push_back("Str" + std::to_string(i) + "=" + std::string(texts[i]));
    }
    return lines;
}

}  // namespace localisation
