// The dialog in which the user picks one of the versions of a backup's data
// found beside its index, when nothing is at the expected place.
#pragma once

#include <string>
#include <vector>

#include "archive_location/ArchiveVersions.h"
#include "localisation/WindowLangResSettings.h"
#include "ui/Toolkit.h"

const ui::FormDesign& ArchiveVariantSelectionFormDesign();

class TExtrArchiveVariantSelectionForm : public ui::TForm {
public:
    // Owned by the main window; its translator reads langFileName.
    TExtrArchiveVariantSelectionForm(ui::Application& app, ui::Component* owner, const std::string& langFileName);

    localisation::WindowLangRes LangRes() const;
    ui::TListView& avListView() const { return Get<ui::TListView>("avListView"); }

    // Lists the versions (location, date text; unknownText for an unknown
    // date), selects the first row and shows the dialog. Returns indexFolder
    // followed by the chosen row's location, or "/" when the dialog ended
    // without a choice.
    std::string ChooseVersion(const std::string& indexFolder, const std::vector<ArchiveVersion>& versions,
                              const std::string& unknownText);

private:
    void OKActnUpdate(ui::TAction& action);
    void OKActnExecute(ui::TAction& action);
};
