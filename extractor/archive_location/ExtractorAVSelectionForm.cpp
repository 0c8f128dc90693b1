#include "archive_location/ExtractorAVSelectionForm.h"

#include "localisation/WindowLangResDesign.h"
#include "resources/ProgramFont.h"

using namespace ui;

const FormDesign& ArchiveVariantSelectionFormDesign() {
    static const FormDesign design{
        .caption = "Select the desired archive version",
        .size = {407, 266},
        .minSize = {407, 266},
        .borderStyle = TBorderStyle::bsSizeToolWin,
        .borderIcons = biSystemMenu,
        .position = TPosition::poOwnerFormCenter,
        .showHint = true,
        .font = kProgramWindowFont,
        .components = {
            {.kind = Kind::Button, .name = "CancelBtn", .caption = "Cancel", .bounds = {316, 204, 75, 25},
             .anchors = akRight | akBottom, .options = opt::Cancel, .modalResult = mrCancel},
            {.kind = Kind::Button, .name = "OKBtn", .bounds = {232, 204, 75, 25}, .anchors = akRight | akBottom,
             .options = opt::Default, .action = "OKActn"},
            {.kind = Kind::GroupBox, .name = "GroupBox", .bounds = {4, 4, 387, 192},
             .anchors = akLeft | akTop | akRight | akBottom},
            {.kind = Kind::Label, .name = "avsfInvitationLbl", .parent = "GroupBox",
             .caption = "Please select which one do you prefer to work with:", .bounds = {8, 60, 370, 13}},
            {.kind = Kind::Label, .name = "avsfExplanationLbl", .parent = "GroupBox",
             .caption = "The lastest version of archive was not found. But there are several files and/or folders "
                        "that seems to be the previous versions of the same archive.",
             .bounds = {8, 16, 370, 41}, .anchors = akLeft | akTop | akRight, .options = opt::WordWrap},
            {.kind = Kind::ListView, .name = "avListView", .parent = "GroupBox",
             .hint = "List of available archive versions, its locations relative to current folder and its "
                     "creation times (uncertain; based upon names)",
             .bounds = {8, 76, 370, 108}, .anchors = akLeft | akTop | akRight | akBottom,
             .options = opt::ReadOnly | opt::RowSelect | opt::KeepSelection,
             .columns = {{.caption = "Archive location and name", .autoSize = true},
                         {.caption = "Creation date", .width = 155}}},
            {.kind = Kind::ActionList, .name = "ActionList"},
            {.kind = Kind::Action, .name = "OKActn", .parent = "ActionList", .caption = "OK"},
            localisation::FormLangResDesign(),
        }};
    return design;
}

TExtrArchiveVariantSelectionForm::TExtrArchiveVariantSelectionForm(Application& app, Component* owner,
                                                                   const std::string& langFileName)
    : TForm(app, owner, "ExtrArchiveVariantSelectionForm", "TExtrArchiveVariantSelectionForm") {
    Build(ArchiveVariantSelectionFormDesign());
    auto& ok = Get<TAction>("OKActn");
    ok.OnUpdate = [this](TAction& action) { OKActnUpdate(action); };
    ok.OnExecute = [this](TAction& action) { OKActnExecute(action); };
    const localisation::WindowLangRes langRes = LangRes();
    localisation::PrepareLangRes(localisation::kArchiveVariantSelectionFormLangRes, langRes);
    localisation::ActivateLangRes(localisation::kArchiveVariantSelectionFormLangRes, langRes, langFileName);
}

localisation::WindowLangRes TExtrArchiveVariantSelectionForm::LangRes() const {
    return localisation::FindLangRes(*this);
}

std::string TExtrArchiveVariantSelectionForm::ChooseVersion(const std::string& indexFolder,
                                                            const std::vector<ArchiveVersion>& versions,
                                                            const std::string& unknownText) {
    TListItems& rows = avListView().Items();
    rows.BeginUpdate();
    rows.Clear();
    for (const ArchiveVersion& version : versions) {
        TListItem& row = rows.Add();
        row.SetCaption(version.location);
        row.AddSubItem(ArchiveVersionDateText(version.stamp, unknownText));
    }
    rows.EndUpdate();
    if (rows.Count() > 0) rows[0].SetSelected(true);
    if (ShowModal() != mrOk) return "/";
    const TListItem* chosen = avListView().Selected();
    return chosen ? indexFolder + chosen->Caption() : "/";
}

void TExtrArchiveVariantSelectionForm::OKActnUpdate(TAction& action) {
    action.SetEnabled(avListView().Selected() != nullptr);
}

void TExtrArchiveVariantSelectionForm::OKActnExecute(TAction&) { SetModalResult(mrOk); }
