// How the program's four windows configure their localisation components, as
// data for the windows to apply, and the constructor step that names the
// language file and activates the components in each window's order.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace localisation {

class TsmlLangRes;
class TsmlFormLangRes;
class TsmlMsgLangRes;
class TsmlMenuLangRes;

// The values with which every localisation component of the program's windows
// is stored: the program only reads its language file, never writes it.
struct StoredLangResSettings {
    std::string_view langFileName = "DefLang.ini";
    bool ignoreEmptyString = true;
    bool autoCreateMode = false;
    bool addBracket = true;
    bool active = false;
};
inline constexpr StoredLangResSettings kStoredLangResSettings{};

// A window's form translator settings besides the stored values above.
struct FormLangResSettings {
    std::span<const std::string_view> stringProperties;
    std::span<const std::string_view> stringsProperties;
    std::span<const std::string_view> ignoreControls;
    bool ignoreFormCaption = false;
    bool includeListViewHead = false;
    bool includeListViewItems = false;
    bool includeTreeViewItems = false;
};

enum class LangResRole { Form, Messages, Menu };

struct WindowLangResSettings {
    std::string_view windowClass;  // the language file's section of the window
    FormLangResSettings form;
    std::span<const LangResRole> activationOrder;  // the window's components, in this order
    std::string_view menuName;                     // the menu translator's Menu; empty without one
};

extern const WindowLangResSettings kMainFormLangRes;                     // TExtrMainForm
extern const WindowLangResSettings kArchiveSelectionFormLangRes;         // TExtrArchiveSelectionForm
extern const WindowLangResSettings kArchiveVariantSelectionFormLangRes;  // TExtrArchiveVariantSelectionForm
extern const WindowLangResSettings kAboutDlgLangRes;                     // TExtrAboutDlg

// Gives a component the stored values (a form translator also its window's
// lists and flags; a menu translator the owner's component named menuName).
// The component stays inactive, so nothing is read yet.
void ApplyStoredSettings(TsmlLangRes& component);
void ApplyStoredSettings(TsmlFormLangRes& component, const WindowLangResSettings& window);
void ApplyStoredSettings(TsmlMenuLangRes& component, const WindowLangResSettings& window);

// A window's localisation components; those it does not have stay null.
struct WindowLangRes {
    TsmlFormLangRes* form = nullptr;
    TsmlMsgLangRes* messages = nullptr;
    TsmlMenuLangRes* menu = nullptr;
};

// The window constructor's step: gives fileName to each of the window's
// components, then activates them in the window's order; each activation runs
// that component's pass at once.
void ActivateLangRes(const WindowLangResSettings& window, const WindowLangRes& components, const std::string& fileName);

// The language file's name: the application title followed by ".lng".
std::string LanguageFileName();

// A built-in message list as message-list lines: "Str" + number + "=" + text.
std::vector<std::string> MessageListLines(std::span<const std::string_view> texts);

}  // namespace localisation
