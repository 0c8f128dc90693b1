#include "ProgramWindows.h"

#include "localisation/WindowLangResDesign.h"
#include "main_window/ExtractorAboutDlg.h"
#include "main_window/ExtractorMainForm.h"

namespace loctest {

localisation::WindowLangRes ProgramWindow::LangRes() const { return localisation::FindLangRes(*form_); }

void ProgramWindow::Activate(const std::string& langFileName) const {
    localisation::ActivateLangRes(settings_, LangRes(), langFileName);
}

ProgramWindow MakeMainForm(ui::Application& app, const std::string& langFileName) {
    // The start-up search finds nothing in a fresh folder.
    static const testsupport::TempDir emptyProgramFolder;
    return {std::make_unique<TExtrMainForm>(app, TExtrMainForm::Environment{emptyProgramFolder.folder(), langFileName}),
            localisation::kMainFormLangRes};
}

ProgramWindow MakeArchiveSelectionForm(ui::Application& app, const std::string& langFileName) {
    return {std::make_unique<TExtrArchiveSelectionForm>(app, nullptr, langFileName),
            localisation::kArchiveSelectionFormLangRes};
}

ProgramWindow MakeArchiveVariantSelectionForm(ui::Application& app, const std::string& langFileName) {
    return {std::make_unique<TExtrArchiveVariantSelectionForm>(app, nullptr, langFileName),
            localisation::kArchiveVariantSelectionFormLangRes};
}

ProgramWindow MakeAboutDlg(ui::Application& app, const std::string& langFileName) {
    return {std::make_unique<TExtrAboutDlg>(app, nullptr, langFileName), localisation::kAboutDlgLangRes};
}

}  // namespace loctest
