// The program's main window on the headless backend, driven as a user drives
// it: start-up in folders with and without indexes, opening, the version and
// index choices, destinations, restorations with their log, drops and the
// close guard. Every box and dialog is answered by the test and recorded.
#include "main_window/ExtractorMainForm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "SampleBackups.h"
#include "TempDir.h"
#include "main_window/ExtractorAboutDlg.h"
#include "platform/KnownFolders.h"
#include "restoration/zip/TUnZipper.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using namespace ui;
using testing::ElementsAre;
using testsupport::kSep;
using testsupport::Sep;
using testsupport::TempDir;
using windowtest::ContentOf;
using Names = std::vector<std::string>;

std::string Documents() { return platform::DocumentsFolder() + kSep; }

class MainWindow : public ::testing::Test {
protected:
    // The window as the program makes it, with the test's folder as the
    // program's folder and a language file that does not exist.
    TExtrMainForm& Start() {
        window = std::make_unique<TExtrMainForm>(
            app, TExtrMainForm::Environment{programDir.folder(), programDir.file("absent.lng")});
        new TExtrAboutDlg(app, window.get(), programDir.file("absent.lng"));
        window->Show();
        app.Idle();
        return *window;
    }

    TListView& List() const { return window->Get<TListView>("ListView"); }
    TAction& Action(const char* name) const { return window->Get<TAction>(name); }
    std::string CommonFolder() const { return window->Get<TEdit>("CommonFolderEdit").Text(); }
    Names Log() const { return window->Get<TMemo>("LogMemo").Lines().Lines(); }
    Names Rows() const {
        Names rows;
        for (int i = 0; i < List().Items().Count(); ++i) rows.push_back(List().Items()[i].Caption());
        return rows;
    }
    Names RowDestinations() const {
        Names destinations;
        for (int i = 0; i < List().Items().Count(); ++i) destinations.push_back(List().Items()[i].SubItem(0));
        return destinations;
    }
    // Enabled state of the six actions after an idle update, in the order
    // "...", "Set folder", Restore, Cancel, Exit, Open.
    std::vector<bool> Enabled() {
        app.Idle();
        std::vector<bool> states;
        for (const char* name : {"SetFolderForAllActn", "SetFolderForSelectedItemsActn", "RestoreActn", "CancelActn",
                                 "CloseActn", "OpenActn"}) {
            states.push_back(Action(name).Enabled());
        }
        return states;
    }
    std::vector<ShownRecord> MessageBoxes() const {
        std::vector<ShownRecord> boxes;
        for (const ShownRecord& shown : backend().Shown()) {
            if (shown.kind == ShownRecord::Kind::MessageBox) boxes.push_back(shown);
        }
        return boxes;
    }
    // The folder browser answers with this folder from now on.
    void BrowserAnswers(FolderChoice::Outcome outcome, std::string path = {}) {
        backend().OnBrowseForFolder = [outcome, path](const FolderBrowseRequest&) { return FolderChoice{outcome, path}; };
    }
    // Handles the worker's messages until the window is idle again.
    void FinishRestoration() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (window->Restoring() && std::chrono::steady_clock::now() < deadline) {
            backend().WaitForPosted(std::chrono::milliseconds(200));
            app.ProcessMessages();
        }
        ASSERT_FALSE(window->Restoring()) << "the restoration did not end";
    }
    HeadlessBackend& backend() const { return HeadlessBackend::Of(const_cast<Application&>(app)); }

    TempDir programDir;
    TempDir target;
    Application app{std::make_unique<HeadlessBackend>()};
    std::unique_ptr<TExtrMainForm> window;
};

// --- Start-up

TEST_F(MainWindow, StartUpWithoutIndexesSaysSoBeforeTheWindowAndStartsEmpty) {
    TExtrMainForm& w = Start();
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "No archive indexes");
    EXPECT_EQ(boxes[0].text,
              "No archive index files found in the root folder and first level subfolders. Try to open it manually.");
    EXPECT_EQ(boxes[0].icon, mbIconInformation);
    EXPECT_EQ(boxes[0].owner, &w);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(w.ArchivePath(), "");
    EXPECT_EQ(w.Caption(), "Lumavex backup restoration utility");
    // Only Open and Exit are enabled.
    EXPECT_THAT(Enabled(), ElementsAre(false, false, false, false, true, true));
    // Enter presses the disabled "..." button: nothing happens.
    w.DialogKey(vk::Return);
    EXPECT_EQ(backend().Shown().size(), 1u);
}

TEST_F(MainWindow, StartUpWithOneIndexOpensItWithoutAsking) {
    windowtest::WriteZipBackup(programDir);
    TExtrMainForm& w = Start();
    EXPECT_TRUE(backend().Shown().empty());
    EXPECT_EQ(Rows(), (Names{"Docs" + std::string(1, kSep), "readme.txt"}));
    EXPECT_EQ(w.ArchivePath(), programDir.file("Docs.zip"));
    EXPECT_EQ(CommonFolder(), Documents());
    EXPECT_EQ(RowDestinations(), (Names{Documents(), Documents()}));
    EXPECT_EQ(w.ElementNames(), Rows());
    EXPECT_EQ(w.Unzipper().FileName(), programDir.file("Docs.zip"));
    EXPECT_TRUE(Log().empty());
    // Both columns share the list's width.
    EXPECT_EQ(List().Columns()[0].Width(), List().ClientSize().Width / 2);
    EXPECT_EQ(List().Columns()[1].Width(), List().ClientSize().Width / 2);
    EXPECT_THAT(Enabled(), ElementsAre(true, false, true, false, true, true));
}

TEST_F(MainWindow, StartUpWithOneFileThatIsNoIndexShowsItsError) {
    programDir.write("notes.lxi", "just some text");
    Start();
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, programDir.file("notes.lxi") + " is not a Lumavex backup index file.");
    EXPECT_EQ(boxes[0].caption, "Wrong file format");
    EXPECT_EQ(boxes[0].icon, mbIconInformation);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_TRUE(Rows().empty());
}

TEST_F(MainWindow, StartUpWithSeveralIndexesOffersTheSelectionDialog) {
    windowtest::WriteZipBackup(programDir, "first");
    const std::string second = windowtest::WriteFolderBackup(programDir, "second");
    programDir.write("third/broken.lxi", "LXBI");
    struct Seen {
        std::string caption, explanation, hint;
        Names tops;
        bool okBeforeSelection = true;
        bool childSelectable = true;
    } seen;
    backend().OnModal = [&](TForm& dialog) -> int {
        auto& form = dynamic_cast<TExtrArchiveSelectionForm&>(dialog);
        TTreeView& tree = form.TreeView();
        seen.caption = form.Caption();
        seen.explanation = form.Get<TLabel>("asfExplanationLbl").Caption();
        seen.hint = tree.Hint();
        for (int i = 0; i < tree.Items().TopCount(); ++i) seen.tops.push_back(tree.Items().Top(i).Text());
        form.UpdateActions();
        seen.okBeforeSelection = form.Get<TAction>("OKActn").Enabled();
        seen.childSelectable = tree.SetSelected(&tree.Items().Top(0).Item(0));
        tree.SetSelected(&tree.Items().Top(1));
        form.Get<TAction>("OKActn").Execute();
        return mrNone;
    };
    TExtrMainForm& w = Start();
    EXPECT_EQ(seen.caption, "Select archive to open");
    EXPECT_EQ(seen.explanation,
              "There are several archive index files found during the scan of the current folder and its first "
              "subfolders. Please select one of them.");
    EXPECT_EQ(seen.hint, "Archive index files found in the current folder and its first subfolders");
    EXPECT_EQ(seen.tops, (Names{programDir.file("first/Docs.lxi"), second}));  // the broken one is left out
    EXPECT_FALSE(seen.okBeforeSelection);
    EXPECT_FALSE(seen.childSelectable);
    EXPECT_EQ(w.ArchivePath(), programDir.file("second/Docs/"));
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(MainWindow, CancellingTheSelectionStartsEmptyWithoutAMessage) {
    windowtest::WriteZipBackup(programDir, "first");
    windowtest::WriteZipBackup(programDir, "second");
    for (int answer : {int(mrCancel), int(mrNone)}) {  // Cancel, and Escape or the close box
        backend().ClearShown();
        backend().OnModal = [answer](TForm&) { return answer == mrNone ? int(mrCancel) : answer; };
        TExtrMainForm& w = Start();
        EXPECT_EQ(backend().Shown().size(), 1u);  // the dialog, no box
        EXPECT_TRUE(Rows().empty());
        EXPECT_EQ(w.ArchivePath(), "");
    }
}

TEST_F(MainWindow, TheSelectionTreeShowsEachIndexWithItsDetailsInBoldAndUnknownDates) {
    const std::string zip = windowtest::WriteZipBackup(programDir, "a");
    programDir.write("b/Other.lxi", "<?xml version=\"1.0\"?><Lumavex_backup_index_record type=\"backup\" name=\"Other\" "
                                    "last_update=\"\"/>");
    Start();  // the XML index without a date is unreadable: one index only, opened at once
    TExtrArchiveSelectionForm& dialog = *window->ArchiveSelectionForm();
    ASSERT_TRUE(dialog.FillIndexTree({zip, programDir.file("missing.lxi")}, TIndexChoiceMode::Drop));
    TTreeView& tree = dialog.TreeView();
    ASSERT_EQ(tree.Items().TopCount(), 1);
    const TTreeNode& top = tree.Items().Top(0);
    EXPECT_EQ(top.Text(), zip);
    ASSERT_EQ(top.Count(), 2);  // the sample index lists no elements
    EXPECT_EQ(top.Item(0).Text(), "  Archive name: Docs");
    EXPECT_THAT(top.Item(1).Text(), testing::StartsWith("  Last update: "));
    EXPECT_NE(top.Item(1).Text(), "  Last update: Unknown");
    EXPECT_TRUE(tree.StyleOf(top.Item(0)).bold);
    EXPECT_TRUE(tree.StyleOf(top.Item(1)).bold);
    EXPECT_FALSE(tree.StyleOf(top).bold);
    EXPECT_FALSE(top.Expanded());
    EXPECT_EQ(tree.Selected(), nullptr);
    EXPECT_EQ(dialog.Get<TLabel>("asfExplanationLbl").Caption(),
              "There are several indexes among the files you have dropped. Please select which one you want to "
              "work with.");
    EXPECT_EQ(tree.Hint(), "Available archive index files");
    // None readable: false, and the texts stay.
    EXPECT_FALSE(dialog.FillIndexTree({programDir.file("missing.lxi")}, TIndexChoiceMode::Scan));
    EXPECT_EQ(tree.Hint(), "Available archive index files");
}

// --- Opening

TEST_F(MainWindow, OpenErrorsShowTheirBoxesAndLeaveTheWindowAsItWas) {
    windowtest::WriteZipBackup(programDir);
    TExtrMainForm& w = Start();
    TempDir other;
    windowtest::WriteIndexOnly(other);  // no data, no version
    windowtest::WriteIndexOnly(other, "empty", false);
    other.mkdir("empty/Docs");  // the folder copy holds nothing
    const struct {
        std::string path;
        std::int32_t code;
        std::string text, caption;
        unsigned icon;
        bool owned;
    } cases[] = {
        {other.file("none.lxi"), kOpenIndexMissing, "Archive index file does not exist.", "Error", mbIconWarning, true},
        {other.file("Docs.lxi"), kOpenNoArchive,
         "No appropriate archive files or folders found for " + other.file("Docs.lxi") + ".", "No data to restore",
         mbIconWarning, true},
        {other.file("empty/Docs.lxi"), kOpenArchiveEmpty,
         "There are no files or folders in the archive container denoted in " + other.file("empty/Docs.lxi") + ".",
         "No data to restore", mbIconWarning, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        backend().ClearShown();
        const std::int32_t code = w.OpenIndexFile(c.path);
        EXPECT_EQ(code, c.code);
        w.ShowOpenError(code, c.path);
        const auto boxes = MessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, c.text);
        EXPECT_EQ(boxes[0].caption, c.caption);
        EXPECT_EQ(boxes[0].icon, c.icon);
        EXPECT_EQ(boxes[0].owner, c.owned ? &w : nullptr);
        EXPECT_EQ(w.ArchivePath(), programDir.file("Docs.zip"));
        EXPECT_EQ(Rows().size(), 2u);
    }
    backend().ClearShown();
    w.ShowOpenError(-50, "x");  // a code without a box
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(MainWindow, OpenThroughTheFileMenuUsesTheTranslatedFilter) {
    TExtrMainForm& w = Start();
    const std::string index = windowtest::WriteFolderBackup(target);
    std::string filter, title;
    backend().OnOpenDialog = [&](const OpenDialogRequest& request) -> std::optional<std::string> {
        filter = request.filter;
        title = request.title;
        return index;
    };
    ASSERT_TRUE(Action("OpenActn").Execute());
    EXPECT_EQ(filter, "Lumavex backup index files (*.lxi)|*.lxi|All files (*.*)|*.*");
    EXPECT_EQ(title, "Open backup index file\x85");
    EXPECT_EQ(w.ArchivePath(), target.file("Docs/"));
    EXPECT_EQ(Rows(), (Names{"Docs" + std::string(1, kSep), "readme.txt"}));
}

TEST_F(MainWindow, TheVersionDialogListsTheVersionsAndItsAnswerIsOpened) {
    windowtest::WriteIndexOnly(programDir);
    windowtest::WriteZipVersion(programDir, "Docs 2005-02-28_10-00.zip");
    windowtest::WriteZipVersion(programDir, "Docs 2005-02-30_10-00.zip");  // 30 February
    Names rows, dates;
    bool firstSelected = false, okEnabled = false;
    int answer = mrOk;
    backend().OnModal = [&](TForm& dialog) -> int {
        auto& form = dynamic_cast<TExtrArchiveVariantSelectionForm&>(dialog);
        rows.clear();
        dates.clear();
        for (int i = 0; i < form.avListView().Items().Count(); ++i) {
            rows.push_back(form.avListView().Items()[i].Caption());
            dates.push_back(form.avListView().Items()[i].SubItem(0));
        }
        firstSelected = form.avListView().Items()[0].Selected();
        form.UpdateActions();
        okEnabled = form.Get<TAction>("OKActn").Enabled();
        if (answer == mrOk) {
            form.DialogKey(vk::Return);  // Enter confirms the preselected row
            return mrNone;
        }
        return answer;
    };
    answer = mrCancel;
    TExtrMainForm& w = Start();
    EXPECT_EQ(rows, (Names{"Docs 2005-02-28_10-00.zip", "Docs 2005-02-30_10-00.zip"}));
    EXPECT_NE(dates[0], "Unknown");
    EXPECT_EQ(dates[1], "Unknown");
    EXPECT_TRUE(firstSelected);
    EXPECT_TRUE(okEnabled);
    EXPECT_TRUE(Rows().empty());  // cancelled: nothing opened, no message
    EXPECT_TRUE(MessageBoxes().empty());

    answer = mrOk;
    EXPECT_EQ(w.OpenIndexFile(programDir.file("Docs.lxi")), 0);
    EXPECT_EQ(w.ArchivePath(), programDir.file("Docs 2005-02-28_10-00.zip"));
}

// --- Destinations

TEST_F(MainWindow, TheCommonFolderChangesOnlyTheEdit) {
    windowtest::WriteZipBackup(programDir);
    Start();
    BrowserAnswers(FolderChoice::Chosen, target.folder() + "restored");
    EXPECT_TRUE(Action("SetFolderForAllActn").Execute());
    EXPECT_EQ(CommonFolder(), target.folder() + "restored" + kSep);
    EXPECT_EQ(RowDestinations(), (Names{Documents(), Documents()}));

    // A root keeps its single separator; cancel and virtual folders change nothing.
    BrowserAnswers(FolderChoice::Chosen, std::string(1, kSep));
    Action("SetFolderForAllActn").Execute();
    EXPECT_EQ(CommonFolder(), std::string(1, kSep));
    BrowserAnswers(FolderChoice::Cancelled);
    Action("SetFolderForAllActn").Execute();
    EXPECT_TRUE(MessageBoxes().empty());
    BrowserAnswers(FolderChoice::NotFileSystem);
    Action("SetFolderForAllActn").Execute();
    EXPECT_EQ(CommonFolder(), std::string(1, kSep));
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "This folder is not a part of the file system.");
    EXPECT_EQ(boxes[0].caption, "Invalid folder");
    EXPECT_EQ(boxes[0].icon, mbIconInformation);
    EXPECT_EQ(boxes[0].owner, window.get());
    const auto& browsed = backend().Shown();
    EXPECT_EQ(std::count_if(browsed.begin(), browsed.end(),
                            [](const ShownRecord& r) {
                                return r.kind == ShownRecord::Kind::FolderBrowser &&
                                       r.title == "Select folder to restore to...";
                            }),
              4);
}

TEST_F(MainWindow, PerElementFoldersGoToTheSelectedRowsOnly) {
    const std::string index = windowtest::WriteFolderBackup(programDir);
    target.write("Docs/x.txt", "x");  // a third element
    TExtrMainForm& w = Start();
    programDir.write("Docs/z.txt", "z");
    ASSERT_EQ(w.OpenIndexFile(index), 0);
    ASSERT_EQ(Rows().size(), 3u);

    // Common mode: "Set folder" stays disabled even with a selection.
    List().Items()[0].SetSelected(true);
    EXPECT_THAT(Enabled(), ElementsAre(true, false, true, false, true, true));
    // A click in the list switches to per-element mode.
    List().MouseDown(TMouseButton::mbLeft, 0, 5, 5);
    EXPECT_TRUE(w.Get<TRadioButton>("SeparateFoldersRbtn").Checked());
    EXPECT_TRUE(List().Focused());
    EXPECT_THAT(Enabled(), ElementsAre(false, true, true, false, true, true));

    List().Items()[2].SetSelected(true);
    BrowserAnswers(FolderChoice::Chosen, target.folder() + "here");
    List().DblClick();
    EXPECT_EQ(RowDestinations(), (Names{target.folder() + "here" + kSep, Documents(), target.folder() + "here" + kSep}));
    EXPECT_EQ(CommonFolder(), Documents());

    // Ctrl+A, also with Shift, selects every row.
    for (TShiftState shift : {TShiftState(ssCtrl), TShiftState(ssCtrl | ssShift)}) {
        List().ClearSelection();
        unsigned key = 'A';
        List().KeyDown(key, shift);
        EXPECT_EQ(List().SelCount(), 3);
    }
    // Clicking the common folder's edit switches back.
    w.Get<TEdit>("CommonFolderEdit").Click();
    EXPECT_TRUE(w.Get<TRadioButton>("CommonFolderRbtn").Checked());
    EXPECT_THAT(Enabled(), ElementsAre(true, false, true, false, true, true));
}

// --- Restoration

TEST_F(MainWindow, RestoringAZipBackupToTheCommonFolder) {
    windowtest::WriteZipBackup(programDir);
    TExtrMainForm& w = Start();
    BrowserAnswers(FolderChoice::Chosen, target.folder() + "all");
    target.mkdir("all");
    Action("SetFolderForAllActn").Execute();
    ASSERT_TRUE(w.IsShortCut(TextToShortCut("Ctrl+R")));
    EXPECT_TRUE(w.Restoring());
    EXPECT_THAT(Enabled(), ElementsAre(false, false, false, true, false, false));
    FinishRestoration();
    EXPECT_EQ(Log(), Names{"Operation completed successfully."});
    for (const char* item : {windowtest::kDocsA, windowtest::kDocsB, windowtest::kReadme}) {
        EXPECT_EQ(target.read(std::string("all/") + item), ContentOf(item)) << item;
    }
    EXPECT_THAT(Enabled(), ElementsAre(true, false, true, false, true, true));
    EXPECT_EQ(w.DestinationFolders(), (Names{target.folder() + "all" + kSep, target.folder() + "all" + kSep}));
}

TEST_F(MainWindow, RestoringAFolderBackupToPerElementFoldersWithAFailureLine) {
    windowtest::WriteFolderBackup(programDir);
    TExtrMainForm& w = Start();
    target.mkdir("docs");
    target.mkdir("files/readme.txt");  // a folder stands where the file goes
    w.Get<TRadioButton>("SeparateFoldersRbtn").SetChecked(true);
    List().Items()[0].SetSelected(true);
    BrowserAnswers(FolderChoice::Chosen, target.folder() + "docs");
    Action("SetFolderForSelectedItemsActn").Execute();
    List().Items()[0].SetSelected(false);
    List().Items()[1].SetSelected(true);
    BrowserAnswers(FolderChoice::Chosen, target.folder() + "files");
    Action("SetFolderForSelectedItemsActn").Execute();

    ASSERT_TRUE(Action("RestoreActn").Execute());
    FinishRestoration();
    EXPECT_EQ(target.read("docs/Docs/a.txt"), ContentOf(windowtest::kDocsA));
    EXPECT_EQ(target.read("docs/Docs/sub/b.txt"), ContentOf(windowtest::kDocsB));
    EXPECT_EQ(Log(), (Names{"*** " + programDir.file("Docs/readme.txt") + " -- FAILED!",
                            "Operation completed. There were errors."}));
}

TEST_F(MainWindow, TheLogKeepsEveryFailureLineAndEndsWithTheOutcome) {
    windowtest::WriteFolderBackup(programDir);
    TExtrMainForm& w = Start();
    target.mkdir("two/Docs/a.txt");   // folders stand where two files go
    target.mkdir("two/readme.txt");
    BrowserAnswers(FolderChoice::Chosen, target.file("two"));
    Action("SetFolderForAllActn").Execute();
    ASSERT_TRUE(Action("RestoreActn").Execute());
    FinishRestoration();
    EXPECT_EQ(Log(), (Names{"*** " + programDir.file("Docs/Docs/a.txt") + " -- FAILED!",
                            "*** " + programDir.file("Docs/readme.txt") + " -- FAILED!",
                            "Operation completed. There were errors."}));
    EXPECT_EQ(target.read("two/Docs/sub/b.txt"), ContentOf(windowtest::kDocsB));

    // A ZIP backup whose destination folder is gone: the extraction is aborted.
    const std::string zipIndex = windowtest::WriteZipBackup(target, "zip");
    ASSERT_EQ(w.OpenIndexFile(zipIndex), 0);
    BrowserAnswers(FolderChoice::Chosen, target.file("gone"));
    Action("SetFolderForAllActn").Execute();
    ASSERT_TRUE(Action("RestoreActn").Execute());
    FinishRestoration();
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Log().back(), "Operation aborted due to error.");
    EXPECT_THAT(Enabled(), ElementsAre(true, false, true, false, true, true));
}

TEST_F(MainWindow, CancelEndsTheRestorationAndTheWindowGuardsItselfMeanwhile) {
    windowtest::WriteIndexOnly(programDir);
    windowtest::WriteLargeZip(programDir, "Docs.zip", 32u << 20);
    TExtrMainForm& w = Start();
    BrowserAnswers(FolderChoice::Chosen, target.folder());
    Action("SetFolderForAllActn").Execute();
    ASSERT_TRUE(Action("RestoreActn").Execute());
    ASSERT_TRUE(w.Restoring());

    // Meanwhile: no close, no drop, no open.
    w.Close();
    EXPECT_FALSE(app.Terminated());
    const std::string other = windowtest::WriteFolderBackup(target, "other");
    EXPECT_TRUE(backend().DropFiles(w, {other}));
    app.ProcessMessages();
    EXPECT_EQ(w.ArchivePath(), programDir.file("Docs.zip"));
    EXPECT_FALSE(Action("OpenActn").Execute());

    ASSERT_TRUE(Action("CancelActn").Execute());
    FinishRestoration();
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Log().back(), "Operation canceled by user.");
    EXPECT_THAT(Enabled(), ElementsAre(true, false, true, false, true, true));
}

TEST_F(MainWindow, EachRestorationStartsWithAnEmptyLog) {
    windowtest::WriteZipBackup(programDir);
    Start();
    BrowserAnswers(FolderChoice::Chosen, target.folder());
    Action("SetFolderForAllActn").Execute();
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(Action("RestoreActn").Execute());
        FinishRestoration();
        EXPECT_EQ(Log(), Names{"Operation completed successfully."});
    }
}

// --- Drops

TEST_F(MainWindow, DropsOpenOneFileOrOfferTheIndexesAmongSeveral) {
    TExtrMainForm& w = Start();
    const std::string zipIndex = windowtest::WriteZipBackup(target, "zip");
    const std::string folderIndex = windowtest::WriteFolderBackup(target, "folder");
    target.write("notes.txt", "not an index");

    // A folder and one file: the file is opened directly.
    backend().DropFiles(w, {target.file("zip"), zipIndex});
    app.ProcessMessages();
    EXPECT_EQ(w.ArchivePath(), target.file("zip/Docs.zip"));

    // Two files of which one is an index: the dialog lists that one, in drop mode.
    Names offered;
    std::string explanation;
    backend().OnModal = [&](TForm& dialog) -> int {
        auto& form = dynamic_cast<TExtrArchiveSelectionForm&>(dialog);
        offered.clear();
        for (int i = 0; i < form.TreeView().Items().TopCount(); ++i) offered.push_back(form.TreeView().Items().Top(i).Text());
        explanation = form.Get<TLabel>("asfExplanationLbl").Caption();
        form.TreeView().SetSelected(&form.TreeView().Items().Top(0));
        form.Get<TAction>("OKActn").Execute();
        return mrNone;
    };
    backend().DropFiles(w, {target.file("notes.txt"), folderIndex});
    app.ProcessMessages();
    EXPECT_EQ(offered, Names{folderIndex});
    EXPECT_EQ(explanation,
              "There are several indexes among the files you have dropped. Please select which one you want to work "
              "with.");
    EXPECT_EQ(w.ArchivePath(), target.file("folder/Docs/"));

    // Two files that are not indexes: nothing happens.
    target.write("more.txt", "neither");
    backend().ClearShown();
    backend().DropFiles(w, {target.file("notes.txt"), target.file("more.txt")});
    app.ProcessMessages();
    EXPECT_TRUE(backend().Shown().empty());
    EXPECT_EQ(w.ArchivePath(), target.file("folder/Docs/"));
}

// --- Errors of the window's own unzipper, the About dialog, closing

TEST_F(MainWindow, AnErrorOfTheWindowsUnzipperLeavesAConsistentEmptyWindow) {
    windowtest::WriteZipBackup(programDir);
    TExtrMainForm& w = Start();
    // The folder last used as the unzipper's base is gone: opening the next
    // archive in it fails after the listing succeeded.
    target.mkdir("base");
    w.Unzipper().SetBaseDirectory(target.file("base"));
    std::filesystem::remove(target.path() / "base");
    const std::string other = windowtest::WriteZipBackup(target, "other");
    std::string reported;
    app.OnException = [&](const std::string& message) { reported = message; };
    app.Guard([&] { w.OpenIndexFile(other); });
    EXPECT_FALSE(reported.empty());
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(w.ElementNames().empty());
    EXPECT_TRUE(w.DestinationFolders().empty());
    EXPECT_EQ(w.ArchivePath(), "");
    EXPECT_EQ(w.Unzipper().FileName(), "");
    EXPECT_THAT(Enabled(), ElementsAre(false, false, false, false, true, true));
}

TEST_F(MainWindow, TheAboutDialogShowsTheVersionAndOpensTheSite) {
    TExtrMainForm& w = Start();
    std::string caption, version;
    backend().OnModal = [&](TForm& dialog) -> int {
        caption = dialog.Caption();
        version = dialog.Get<TLabel>("Label3").Caption();
        dialog.Get<TLabel>("Label6").Click();
        return mrOk;
    };
    w.Get<TMenuItem>("About").Click();
    EXPECT_EQ(caption, "About");
    EXPECT_EQ(version, "Version 1.1");
    EXPECT_THAT(backend().OpenedUrls(), ElementsAre(kProductSiteAddress));
}

TEST_F(MainWindow, ExitClosesTheWindowWhenIdle) {
    Start();
    ASSERT_TRUE(Action("CloseActn").Execute());
    EXPECT_TRUE(app.Terminated());
}

}  // namespace
