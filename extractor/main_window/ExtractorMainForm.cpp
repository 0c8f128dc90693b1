#include "main_window/ExtractorMainForm.h"

#include <exception>

#include "archive_location/IndexFileScan.h"
#include "localisation/Langroutines.h"
#include "localisation/MessageLists.h"
#include "localisation/WindowLangResDesign.h"
#include "resources/ProgramFont.h"
#include "main_window/Extractorcommonfunctions.h"
#include "platform/FileSystem.h"
#include "platform/KnownFolders.h"
#include "platform/Path.h"
#include "platform/ProgramPath.h"
#include "restoration/zip/TUnZipper.h"

using namespace ui;
using namespace localisation;

namespace {

// The window's ZIP component as one of its designed components.
class TUnZipperComponent : public Component {
public:
    TUnZipperComponent(Component* owner, std::string name) : Component(owner, std::move(name), {"TUnZipper"}) {
        zipper.ExtractOptions = eoCreateDirs | eoRestorePath;
    }
    TUnZipper zipper;
};

constexpr TAnchors kAllSides = akLeft | akTop | akRight | akBottom;
constexpr TAnchors kBottomRight = akRight | akBottom;

// The start-up search looks this many folder levels below the program's folder.
constexpr int kStartUpSearchDepth = 1;
// A chosen folder this long gets no separator appended.
constexpr std::size_t kLongestFolderForSeparator = 4094;

}  // namespace

const FormDesign& MainFormDesign() {
    static const FormDesign design{
        .caption = "Lumavex backup restoration utility",
        .size = {522, 447},
        .position = TPosition::poScreenCenter,
        .showHint = true,
        .font = kProgramWindowFont,
        .components = {
            {.kind = Kind::GroupBox, .name = "RestorationOptionsGbox", .caption = "Restoration options",
             .bounds = {8, 4, 498, 280}, .anchors = kAllSides},
            {.kind = Kind::RadioButton, .name = "CommonFolderRbtn", .parent = "RestorationOptionsGbox",
             .caption = "Extract all files to a next folder:", .bounds = {8, 16, 300, 17}, .options = opt::Checked},
            {.kind = Kind::Edit, .name = "CommonFolderEdit", .parent = "RestorationOptionsGbox",
             .bounds = {24, 36, 400, 21}, .anchors = akLeft | akTop | akRight, .options = opt::ReadOnly},
            {.kind = Kind::Button, .name = "FolderSelectionBtn", .parent = "RestorationOptionsGbox",
             .bounds = {432, 36, 57, 21}, .anchors = akTop | akRight, .options = opt::Default,
             .action = "SetFolderForAllActn"},
            {.kind = Kind::RadioButton, .name = "SeparateFoldersRbtn", .parent = "RestorationOptionsGbox",
             .caption = "Select destination folder separately for each element (multiple selection is possible):",
             .bounds = {8, 64, 480, 17}, .anchors = akLeft | akTop | akRight},
            {.kind = Kind::CheckBox, .name = "ClearFoldersChkbx", .parent = "RestorationOptionsGbox",
             .caption = "Clear existing folders' content before restoring backup", .bounds = {8, 256, 480, 17},
             .anchors = akLeft | akBottom},
            {.kind = Kind::GroupBox, .name = "DestinationsSelectionsGbox", .parent = "RestorationOptionsGbox",
             .bounds = {8, 84, 482, 168}, .anchors = kAllSides},
            {.kind = Kind::ListView, .name = "ListView", .parent = "DestinationsSelectionsGbox",
             .hint = "List of current archive elements and its destination folders", .bounds = {8, 16, 466, 116},
             .anchors = kAllSides, .options = opt::ReadOnly | opt::MultiSelect | opt::RowSelect | opt::KeepSelection,
             .images = "ListViewImageList",
             .columns = {{.caption = "Backup element", .width = 240}, {.caption = "Destination folder", .autoSize = true}}},
            {.kind = Kind::Button, .name = "SetFolderForSelectedBtn", .parent = "DestinationsSelectionsGbox",
             .bounds = {392, 136, 82, 25}, .anchors = kBottomRight, .action = "SetFolderForSelectedItemsActn"},
            {.kind = Kind::Memo, .name = "LogMemo", .bounds = {8, 288, 498, 64},
             .anchors = akLeft | akRight | akBottom, .options = opt::ReadOnly | opt::VertScroll},
            {.kind = Kind::Button, .name = "ExtractBtn", .bounds = {212, 360, 94, 25}, .anchors = kBottomRight,
             .action = "RestoreActn"},
            {.kind = Kind::Button, .name = "CancelBtn", .bounds = {312, 360, 94, 25}, .anchors = kBottomRight,
             .action = "CancelActn"},
            {.kind = Kind::Button, .name = "CloseBtn", .bounds = {412, 360, 94, 25}, .anchors = kBottomRight,
             .action = "CloseActn"},
            {.kind = Kind::MainMenu, .name = "MainMenu"},
            {.kind = Kind::MenuItem, .name = "File", .parent = "MainMenu", .caption = "&File"},
            {.kind = Kind::MenuItem, .name = "Open", .parent = "File", .action = "OpenActn"},
            {.kind = Kind::MenuItem, .name = "N1", .parent = "File", .caption = "-"},
            {.kind = Kind::MenuItem, .name = "Exit", .parent = "File", .action = "CloseActn"},
            {.kind = Kind::MenuItem, .name = "Help", .parent = "MainMenu", .caption = "&Help"},
            {.kind = Kind::MenuItem, .name = "About", .parent = "Help", .caption = "&About..."},
            {.kind = Kind::OpenDialog, .name = "OpenDialog", .title = "Open backup index file\x85", .defaultExt = "lxi",
             .openOptions = ofHideReadOnly | ofPathMustExist | ofFileMustExist | ofEnableSizing},
            {.kind = Kind::ActionList, .name = "ActionList"},
            {.kind = Kind::Action, .name = "SetFolderForAllActn", .parent = "ActionList", .caption = "..."},
            {.kind = Kind::Action, .name = "SetFolderForSelectedItemsActn", .parent = "ActionList",
             .caption = "Set folder", .hint = "Set destination folder for selected list item(s)"},
            {.kind = Kind::Action, .name = "RestoreActn", .parent = "ActionList", .caption = "Restore",
             .hint = "Restore current backup", .shortcut = "Ctrl+R"},
            {.kind = Kind::Action, .name = "CancelActn", .parent = "ActionList", .caption = "Cancel",
             .hint = "Cancel the current operation"},
            {.kind = Kind::Action, .name = "CloseActn", .parent = "ActionList", .caption = "Exit"},
            {.kind = Kind::Action, .name = "OpenActn", .parent = "ActionList", .caption = "Open...",
             .shortcut = "Ctrl+O"},
            {.kind = Kind::ImageList, .name = "ListViewImageList", .options = opt::ShareImages},
            {.name = "Unzipper",
             .create = [](TForm& form, const std::string& name) -> Component* {
                 return new TUnZipperComponent(&form, name);
             }},
            FormLangResDesign(),
            MsgLangResDesign(),
            MenuLangResDesign(),
        }};
    return design;
}

TExtrMainForm::Environment TExtrMainForm::ProgramEnvironment() {
    return {platform::ProgramFolder(), LanguageFileName()};
}

TExtrMainForm::TExtrMainForm(Application& app, Environment environment)
    : TForm(app, nullptr, "ExtrMainForm", "TExtrMainForm"),
      environment_(std::move(environment)),
      reports_([this](const RestoreMessage& report) { Post(report.message); }) {
    Build(MainFormDesign());
    BindHandlers();
    session_ = std::make_unique<RestoreSession>([this](int number) { return Message(number); });
    SetAcceptFiles(true);
    const WindowLangRes langRes = LangRes();
    PrepareLangRes(kMainFormLangRes, langRes, MainWindowMessages());
    ActivateLangRes(kMainFormLangRes, langRes, environment_.languageFileName);
    FormCreate();
}

TExtrMainForm::~TExtrMainForm() {
    FormDestroy();
    // A worker still running reads the lists and the unzipper: end it first.
    session_.reset();
    DestroyComponents();
}

void TExtrMainForm::BindHandlers() {
    auto& list = Get<TListView>("ListView");
    auto& common = Get<TRadioButton>("CommonFolderRbtn");
    auto& separate = Get<TRadioButton>("SeparateFoldersRbtn");
    auto rule = [this](const char* name, std::function<bool()> enabled, std::function<void()> execute) {
        auto& action = Get<TAction>(name);
        action.OnUpdate = [enabled = std::move(enabled)](TAction& a) { a.SetEnabled(enabled()); };
        action.OnExecute = [execute = std::move(execute)](TAction&) { execute(); };
    };
    rule("SetFolderForAllActn",
         [&list, &common, this] { return list.Items().Count() > 0 && common.Checked() && !Restoring(); },
         [this] { SetFolderForAllActnExecute(); });
    rule("SetFolderForSelectedItemsActn",
         [&list, &separate, this] { return list.SelCount() > 0 && separate.Checked() && !Restoring(); },
         [this] { SetFolderForSelectedItemsActnExecute(); });
    rule("RestoreActn", [&list, this] { return list.Items().Count() > 0 && !Restoring(); },
         [this] { RestoreActnExecute(); });
    rule("CancelActn", [this] { return Restoring(); }, [this] { CancelActnExecute(); });
    rule("CloseActn", [this] { return !Restoring(); }, [this] { Close(); });
    rule("OpenActn", [this] { return !Restoring(); }, [this] { OpenActnExecute(); });

    Get<TEdit>("CommonFolderEdit").OnClick = [&common] { common.SetChecked(true); };
    separate.OnClick = [&list] { list.SetFocus(); };
    list.OnMouseDown = [&separate](TMouseButton, TShiftState, int, int) {
        if (!separate.Checked()) separate.SetChecked(true);
    };
    list.OnKeyDown = [this](unsigned& key, TShiftState shift) { ListViewKeyDown(key, shift); };
    list.OnDblClick = [this] { ListViewDblClick(); };
    Get<TMenuItem>("About").OnClick = [this] { AboutClick(); };
    OnCloseQuery = [this] { return !Restoring(); };

    SetMessageHandler(msg::DropFiles, [this](TMessage& m) { WMDropFiles(m); });
    for (unsigned report : {WM_RESTORE_FINISHED, WM_RESTORE_PROGRESS, WM_RESTORE_ITEM_FAILED}) {
        SetMessageHandler(report, [this](TMessage& m) { WMRestoreReport(m); });
    }
}

// --- Creation and destruction

void TExtrMainForm::FormCreate() {
    if (!archiveSelectionForm_) {
        try {
            archiveSelectionForm_ = new TExtrArchiveSelectionForm(App(), this, environment_.languageFileName);
        } catch (const std::exception&) {
            return;
        }
    }
    if (!archiveVariantSelectionForm_) {
        try {
            archiveVariantSelectionForm_ =
                new TExtrArchiveVariantSelectionForm(App(), this, environment_.languageFileName);
        } catch (const std::exception&) {
            delete archiveSelectionForm_;
            archiveSelectionForm_ = nullptr;
            return;
        }
    }
    AssignSystemImageList(Get<TImageList>("ListViewImageList"));
    const std::string temp = platform::TemporaryFolder();
    Unzipper().TempDirectory = temp.empty() ? std::string("c:") + platform::kPathSeparator : temp;
    App().Guard([this] { StartUpSearch(); });
}

void TExtrMainForm::FormDestroy() {
    delete archiveSelectionForm_;
    archiveSelectionForm_ = nullptr;
    delete archiveVariantSelectionForm_;
    archiveVariantSelectionForm_ = nullptr;
}

void TExtrMainForm::StartUpSearch() {
    std::vector<std::string> candidates;
    ScanForIndexFiles(environment_.programFolder, candidates, kStartUpSearchDepth, 0);
    const std::string chosen = ChooseIndexFile(candidates, TIndexChoiceMode::Scan);
    if (chosen.empty()) {
        ShowBox(Message(kMsgNoIndexFilesFound), Message(kMsgNoArchiveIndexes), mbIconInformation, true);
    } else if (chosen != "/") {
        if (const std::int32_t code = OpenIndexFile(chosen); code != 0) ShowOpenError(code, chosen);
    }
}

// --- Texts and boxes

std::string TExtrMainForm::Message(int number) const { return GetLangMessage(LangRes().messages, number); }

WindowLangRes TExtrMainForm::LangRes() const { return FindLangRes(*this); }

TUnZipper& TExtrMainForm::Unzipper() const { return Get<TUnZipperComponent>("Unzipper").zipper; }

void TExtrMainForm::ShowBox(const std::string& text, const std::string& caption, unsigned icon, bool owned) {
    App().ShowMessageBox(owned ? this : nullptr, text, caption, mbOk | icon);
}

void TExtrMainForm::ShowOpenError(std::int32_t code, const std::string& indexPath) {
    const OpenErrorMessage* box = FindOpenErrorMessage(code);
    if (!box) return;
    ShowBox(FillPath(Message(box->text), indexPath), FillPath(Message(box->caption), indexPath),
            box->icon == MessageIcon::Warning ? mbIconWarning : mbIconInformation, box->owner == MessageOwner::Window);
}

// --- Opening an index

std::int32_t TExtrMainForm::OpenIndexFile(const std::string& indexPath) {
    ArchiveListing listing;
    bool cancelled = false;
    const std::int32_t code = ::OpenIndexFile(
        indexPath,
        [this](const LocatedArchive& located) { return FindArchiveVersion(located.indexFolder, located.versions); },
        listing, cancelled);
    if (code != kOpenIndexOk || cancelled) return code;
    if (!platform::EndsWithSeparator(listing.archivePath)) OpenInUnzipper(listing.archivePath);
    ShowArchive(listing);
    return kOpenIndexOk;
}

void TExtrMainForm::OpenInUnzipper(const std::string& archivePath) {
    TUnZipper& unzipper = Unzipper();
    try {
        unzipper.CloseArchive();
        unzipper.OpenArchive(archivePath);
    } catch (...) {
        // The earlier archive is closed already: show nothing rather than rows
        // that no longer belong to the open archive.
        ForgetArchive();
        throw;
    }
}

void TExtrMainForm::ForgetArchive() {
    Unzipper().CloseArchive();
    elementNames_.clear();
    destinationFolders_.clear();
    archivePath_.clear();
    auto& rows = Get<TListView>("ListView").Items();
    rows.BeginUpdate();
    rows.Clear();
    rows.EndUpdate();
}

void TExtrMainForm::ShowArchive(const ArchiveListing& listing) {
    elementNames_ = listing.elementNames;
    destinationFolders_ = listing.destinationFolders;
    Get<TEdit>("CommonFolderEdit").SetText(listing.defaultDestination);
    auto& list = Get<TListView>("ListView");
    TListItems& rows = list.Items();
    rows.BeginUpdate();
    rows.Clear();
    archivePath_ = listing.archivePath;
    for (std::size_t i = 0; i < elementNames_.size(); ++i) {
        TListItem& row = rows.Add();
        row.SetCaption(elementNames_[i]);
        row.SetImageIndex(GetShellIconIndex(App(), elementNames_[i]));
        row.AddSubItem(destinationFolders_[i]);
    }
    rows.EndUpdate();
    const int half = list.ClientSize().Width / 2;
    for (int column = 0; column < list.Columns().Count(); ++column) list.Columns()[column].SetWidth(half);
    Get<TMemo>("LogMemo").Lines().Clear();
}

std::string TExtrMainForm::FindArchiveVersion(const std::string& indexFolder,
                                              const std::vector<ArchiveVersion>& versions) {
    if (!archiveVariantSelectionForm_) return "/";
    return archiveVariantSelectionForm_->ChooseVersion(indexFolder, versions, Message(kMsgUnknown));
}

std::string TExtrMainForm::ChooseIndexFile(const std::vector<std::string>& candidates, TIndexChoiceMode mode) {
    if (candidates.empty()) return {};
    if (candidates.size() == 1) return candidates.front();
    if (!archiveSelectionForm_ || !archiveSelectionForm_->FillIndexTree(candidates, mode)) return {};
    if (archiveSelectionForm_->ShowModal() != mrOk) return "/";
    const TTreeNode* chosen = archiveSelectionForm_->TreeView().Selected();
    return chosen ? chosen->Text() : "/";
}

void TExtrMainForm::OpenActnExecute() {
    auto& dialog = Get<TOpenDialog>("OpenDialog");
    dialog.SetFilter(Message(kMsgIndexFilesFilter) + " (*.lxi)|*.lxi|" + Message(kMsgAllFilesFilter) + " (*.*)|*.*");
    if (!dialog.Execute()) return;
    const std::string path = dialog.FileName();
    if (const std::int32_t code = OpenIndexFile(path); code != 0) ShowOpenError(code, path);
}

void TExtrMainForm::WMDropFiles(TMessage& message) {
    // The drop is released in every case, also while a restoration runs.
    const std::vector<std::string> dropped = App().DroppedFiles(message.WParam);
    if (Restoring() || dropped.empty()) return;
    std::vector<std::string> files;
    for (const std::string& path : dropped) {
        if (platform::PathExists(path) && !platform::IsFolder(path)) files.push_back(path);
    }
    const std::string chosen = ChooseIndexFile(files, TIndexChoiceMode::Drop);
    if (chosen.empty() || chosen == "/") return;
    if (const std::int32_t code = OpenIndexFile(chosen); code != 0) ShowOpenError(code, chosen);
}

// --- Destinations

bool TExtrMainForm::BrowseForFolder(std::string& folder) {
    const FolderChoice choice = App().BrowseForFolder(this, Message(kMsgSelectFolderToRestoreTo));
    switch (choice.outcome) {
        case FolderChoice::Cancelled:
            return false;
        case FolderChoice::NotFileSystem:
            ShowBox(Message(kMsgNotAFileSystemFolder), Message(kMsgInvalidFolder), mbIconInformation, true);
            return false;
        case FolderChoice::Chosen:
            break;
    }
    folder = choice.path;
    if (!platform::EndsWithSeparator(folder) && folder.size() < kLongestFolderForSeparator) {
        folder += platform::kPathSeparator;
    }
    return true;
}

void TExtrMainForm::SetFolderForAllActnExecute() {
    std::string folder;
    if (BrowseForFolder(folder)) Get<TEdit>("CommonFolderEdit").SetText(folder);
}

void TExtrMainForm::SetFolderForSelectedItemsActnExecute() {
    std::string folder;
    if (!BrowseForFolder(folder)) return;
    TListItems& rows = Get<TListView>("ListView").Items();
    rows.BeginUpdate();
    for (int i = 0; i < rows.Count(); ++i) {
        if (rows[i].Selected()) rows[i].SetSubItem(0, folder);
    }
    rows.EndUpdate();
}

void TExtrMainForm::ListViewKeyDown(unsigned& key, TShiftState shift) {
    if (key == 'A' && (shift & ssCtrl)) Get<TListView>("ListView").SelectAll();
}

void TExtrMainForm::ListViewDblClick() { Get<TAction>("SetFolderForSelectedItemsActn").Execute(); }

void TExtrMainForm::AboutClick() {
    if (auto* about = dynamic_cast<TForm*>(FindComponent("ExtrAboutDlg"))) about->ShowModal();
}

// --- Restoration

void TExtrMainForm::RestoreActnExecute() {
    const auto& rows = Get<TListView>("ListView").Items();
    if (Get<TRadioButton>("CommonFolderRbtn").Checked()) {
        destinationFolders_.assign(elementNames_.size(), Get<TEdit>("CommonFolderEdit").Text());
    } else {
        for (int i = 0; i < rows.Count() && i < static_cast<int>(destinationFolders_.size()); ++i) {
            destinationFolders_[static_cast<std::size_t>(i)] = rows[i].SubItem(0);
        }
    }
    const int failure = session_->Start(Get<TCheckBox>("ClearFoldersChkbx").Checked(), elementNames_,
                                        destinationFolders_, archivePath_, &Unzipper(), reports_);
    ShowLog();
    if (failure != 0) ShowBox(Message(failure), Message(kMsgError), mbIconWarning, true);
}

void TExtrMainForm::CancelActnExecute() { session_->Cancel(); }

void TExtrMainForm::WMRestoreReport(TMessage&) {
    if (const auto report = reports_.Take()) {
        session_->Handle(*report);
        ShowLog();
    }
}

void TExtrMainForm::ShowLog() {
    // Only the lines that differ reach the memo: while files go by, that is the last one.
    const std::vector<std::string>& lines = session_->Log().Lines();
    TStrings& shown = Get<TMemo>("LogMemo").Lines();
    while (shown.Count() > static_cast<int>(lines.size())) shown.Delete(shown.Count() - 1);
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (i >= shown.Count()) {
            shown.Add(line);
        } else if (shown[i] != line) {
            shown.Set(i, line);
        }
    }
}
