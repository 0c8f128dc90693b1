// Stand-ins for the program's four windows, built with the toolkit from
// designs that hold each window's components (names, kinds, texts, order) and
// its localisation components, configured as the program stores them. They
// serve until the window issue supplies the real windows, and they run on
// either backend.
#pragma once

#include <memory>

#include "localisation/WindowLangResSettings.h"
#include "ui/Toolkit.h"

namespace loctest {

class StandInWindow : public ui::TForm {
public:
    StandInWindow(ui::Application& app, std::string className, std::string name, const ui::FormDesign& design,
                  const localisation::WindowLangResSettings& settings);
    const localisation::WindowLangResSettings& Settings() const { return settings_; }
    // The window's localisation components (those it has).
    localisation::WindowLangRes LangRes() const;
    // The window constructor's step, with a language file name of the test's choosing.
    void Activate(const std::string& langFileName) {
        localisation::ActivateLangRes(settings_, LangRes(), langFileName);
    }

private:
    const localisation::WindowLangResSettings& settings_;
};

std::unique_ptr<StandInWindow> MakeMainForm(ui::Application& app);
std::unique_ptr<StandInWindow> MakeArchiveSelectionForm(ui::Application& app);
std::unique_ptr<StandInWindow> MakeArchiveVariantSelectionForm(ui::Application& app);
std::unique_ptr<StandInWindow> MakeAboutDlg(ui::Application& app);

}  // namespace loctest
