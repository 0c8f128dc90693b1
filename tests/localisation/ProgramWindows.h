// The program's four windows as the translation tests take them: built as the
// program builds them (the main window searching an empty folder at start-up),
// each with its translators' settings.
#pragma once

#include <memory>
#include <string>

#include "TempDir.h"
#include "localisation/WindowLangResSettings.h"
#include "ui/Toolkit.h"

namespace loctest {

class ProgramWindow {
public:
    ProgramWindow(std::unique_ptr<ui::TForm> form, const localisation::WindowLangResSettings& settings)
        : form_(std::move(form)), settings_(settings) {}

    ui::TForm& form() const { return *form_; }
    ui::TForm* operator->() const { return form_.get(); }
    const localisation::WindowLangResSettings& Settings() const { return settings_; }
    localisation::WindowLangRes LangRes() const;
    // The constructor's activation again, with another language file.
    void Activate(const std::string& langFileName) const;

private:
    std::unique_ptr<ui::TForm> form_;
    const localisation::WindowLangResSettings& settings_;
};

// Each window made with the given language file (one that does not exist
// leaves the built-in texts).
ProgramWindow MakeMainForm(ui::Application& app, const std::string& langFileName);
ProgramWindow MakeArchiveSelectionForm(ui::Application& app, const std::string& langFileName);
ProgramWindow MakeArchiveVariantSelectionForm(ui::Application& app, const std::string& langFileName);
ProgramWindow MakeAboutDlg(ui::Application& app, const std::string& langFileName);

}  // namespace loctest
