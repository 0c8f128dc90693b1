#include "archive_location/ExtractorArchiveSelectionForm.h"

#include "backup_index/Backupproindex.h"
#include "backup_index/DateTimeValue.h"
#include "localisation/Langroutines.h"
#include "localisation/MessageLists.h"
#include "localisation/WindowLangResDesign.h"
#include "resources/ProgramFont.h"
#include "platform/DateTimeText.h"

using namespace ui;
using namespace localisation;

namespace {

// The state index that marks the archive-name and last-update nodes; it only
// makes them bold.
constexpr int kMarked = 1;

}  // namespace

const FormDesign& ArchiveSelectionFormDesign() {
    static const FormDesign design{
        .caption = "Select archive to open",
        .size = {390, 255},
        .borderStyle = TBorderStyle::bsSizeToolWin,
        .position = TPosition::poOwnerFormCenter,
        .font = kProgramWindowFont,
        .components = {
            {.kind = Kind::GroupBox, .name = "GroupBox", .bounds = {4, 4, 374, 180},
             .anchors = akLeft | akTop | akRight | akBottom},
            {.kind = Kind::Label, .name = "asfExplanationLbl", .parent = "GroupBox", .bounds = {8, 16, 358, 39},
             .anchors = akLeft | akTop | akRight, .options = opt::WordWrap},
            {.kind = Kind::Label, .name = "asfExplanation2Lbl", .parent = "GroupBox",
             .caption = "Click on a '+' sign to examine the contents of archive.", .bounds = {8, 57, 358, 13}},
            {.kind = Kind::TreeView, .name = "TreeView", .parent = "GroupBox", .bounds = {8, 73, 358, 99},
             .anchors = akLeft | akTop | akRight | akBottom, .options = opt::ReadOnly | opt::ShowHint,
             .images = "TreeViewImageList", .indent = 19},
            {.kind = Kind::Button, .name = "OkBtn", .bounds = {216, 192, 75, 25}, .anchors = akRight | akBottom,
             .options = opt::Default, .action = "OKActn"},
            {.kind = Kind::Button, .name = "CancelBtn", .caption = "Cancel", .bounds = {300, 192, 75, 25},
             .anchors = akRight | akBottom, .options = opt::Cancel, .modalResult = mrCancel},
            {.kind = Kind::ActionList, .name = "ActionList"},
            {.kind = Kind::Action, .name = "OKActn", .parent = "ActionList", .caption = "OK"},
            {.kind = Kind::ImageList, .name = "TreeViewImageList", .options = opt::ShareImages},
            FormLangResDesign(),
            MsgLangResDesign(),
        }};
    return design;
}

TExtrArchiveSelectionForm::TExtrArchiveSelectionForm(Application& app, Component* owner,
                                                     const std::string& langFileName)
    : TForm(app, owner, "ExtrArchiveSelectionForm", "TExtrArchiveSelectionForm") {
    Build(ArchiveSelectionFormDesign());
    auto& ok = Get<TAction>("OKActn");
    ok.OnUpdate = [this](TAction& action) { OKActnUpdate(action); };
    ok.OnExecute = [this](TAction& action) { OKActnExecute(action); };
    TreeView().OnChanging = [this](TTreeNode* node) { return TreeViewChanging(node); };
    TreeView().OnCustomDrawItem = [this](const TTreeNode& node, TTreeNodeStyle& style) {
        TreeViewCustomDrawItem(node, style);
    };
    Get<TImageList>("TreeViewImageList").AssignSystemSmallImages();
    const WindowLangRes langRes = LangRes();
    PrepareLangRes(kArchiveSelectionFormLangRes, langRes, IndexSelectionMessages());
    ActivateLangRes(kArchiveSelectionFormLangRes, langRes, langFileName);
}

WindowLangRes TExtrArchiveSelectionForm::LangRes() const { return FindLangRes(*this); }

std::string TExtrArchiveSelectionForm::Message(int number) const { return GetLangMessage(LangRes().messages, number); }

std::string TExtrArchiveSelectionForm::LastUpdateText(double lastUpdate) const {
    if (lastUpdate != -1.0) {
        if (const auto time = DecodeDateTime(lastUpdate)) {
            if (auto text = platform::FormatLongDateAndTime(*time)) return *text;
        }
    }
    return Message(kSelUnknown);
}

bool TExtrArchiveSelectionForm::FillIndexTree(const std::vector<std::string>& candidates, TIndexChoiceMode mode) {
    TTreeNodes& nodes = TreeView().Items();
    nodes.BeginUpdate();
    nodes.Clear();
    int counted = 0;
    try {
        for (const std::string& path : candidates) {
            VUvivuzOvuDodid index;
            if (ImportIndexFile(index, path) != 0) continue;
            TTreeNode& top = nodes.Add(path);
            const int icon = App().ShellSmallIconIndex(path);
            top.SetImageIndex(icon);
            top.SetSelectedIndex(icon);
            TTreeNode& name = nodes.AddChild(&top, Message(kSelArchiveNameLabel) + index.name);
            name.SetStateIndex(kMarked);
            TTreeNode& update = nodes.AddChild(&top, Message(kSelLastUpdateLabel) + LastUpdateText(index.last_update));
            update.SetStateIndex(kMarked);
            for (const CBackupElement& element : index.elements) {
                TTreeNode& child = nodes.AddChild(&top, element.name);
                const int elementIcon = App().ShellSmallIconIndex(element.name);
                child.SetImageIndex(elementIcon);
                child.SetSelectedIndex(elementIcon);
            }
            ++counted;
        }
    } catch (...) {
        nodes.EndUpdate();
        throw;
    }
    nodes.EndUpdate();
    if (counted == 0) return false;
    const bool scan = mode == TIndexChoiceMode::Scan;
    Get<TLabel>("asfExplanationLbl").SetCaption(Message(scan ? kSelSeveralFoundByScan : kSelSeveralDropped));
    TreeView().SetHint(Message(scan ? kSelFoundByScanCaption : kSelAvailableCaption));
    return true;
}

void TExtrArchiveSelectionForm::OKActnUpdate(TAction& action) {
    const TTreeNode* selected = TreeView().Selected();
    action.SetEnabled(selected != nullptr && selected->Parent() == nullptr);
}

void TExtrArchiveSelectionForm::OKActnExecute(TAction&) { SetModalResult(mrOk); }

bool TExtrArchiveSelectionForm::TreeViewChanging(const TTreeNode* node) const {
    return node != nullptr && node->Parent() == nullptr;
}

void TExtrArchiveSelectionForm::TreeViewCustomDrawItem(const TTreeNode& node, TTreeNodeStyle& style) const {
    style.bold = node.StateIndex() == kMarked;
}
