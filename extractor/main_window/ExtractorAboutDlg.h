// The About dialog: the program's name and version, and a link to the
// product's web site.
#pragma once

#include <string>

#include "localisation/WindowLangResSettings.h"
#include "ui/Toolkit.h"

const ui::FormDesign& AboutDlgDesign();

// The site that Label6 names and opens.
inline constexpr const char* kProductSiteHost = "www.lumavex.example";
inline constexpr const char* kProductSiteAddress = "https://www.lumavex.example/";

class TExtrAboutDlg : public ui::TForm {
public:
    // Owned by the main window, which shows it from its Help menu.
    TExtrAboutDlg(ui::Application& app, ui::Component* owner, const std::string& langFileName);
    localisation::WindowLangRes LangRes() const;

private:
    void Label6Click();
};
