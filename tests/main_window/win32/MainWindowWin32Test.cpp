// The program's windows on the Win32 backend under Wine: real windows and
// common controls, real message and modal loops, boxes and dialogs answered
// from the test as a user would (keys posted to them), a real HDROP, and what
// the controls show read back from them.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <map>

#include "LanguageFile.h"
#include "SampleBackups.h"
#include "TempDir.h"
#include "Win32Probe.h"
#include "localisation/WindowLangResSettings.h"
#include "main_window/ExtractorAboutDlg.h"
#include "main_window/ExtractorMainForm.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Handles.h"

namespace {

using namespace uitest::win32;
using testsupport::TempDir;
using windowtest::ContentOf;
constexpr auto kPatience = std::chrono::seconds(120);

// While it lives, each window of this thread that becomes active and whose
// caption has a handler gets it called once per activation: a CBT hook sees
// the activation, and a timer runs the handler a moment later from inside the
// window's modal loop, once the window is up. The handler may work the
// toolkit's form and post keys to the window; what it throws is a failure of
// the test, never an exception through the system's frames.
class DialogAnswerer {
public:
    using Handler = std::function<void(HWND)>;
    explicit DialogAnswerer(std::map<std::string, Handler> handlers) : handlers_(std::move(handlers)) {
        current_ = this;
        hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogAnswerer() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    const std::vector<std::string>& Answered() const { return answered_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && current_) {
            const HWND window = reinterpret_cast<HWND>(wParam);
            const auto found = current_->handlers_.find(Text(window));
            if (found != current_->handlers_.end()) {
                current_->pending_.push_back({window, found->first});
                SetTimer(nullptr, 0, 100, Answer);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK Answer(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        if (!current_ || current_->pending_.empty()) return;
        const Pending next = current_->pending_.front();
        current_->pending_.erase(current_->pending_.begin());
        current_->answered_.push_back(next.caption);
        try {
            current_->handlers_.at(next.caption)(next.window);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "answering " << next.caption << ": " << error.what();
            PostMessageA(next.window, WM_KEYDOWN, VK_ESCAPE, 0);
        }
    }
    struct Pending {
        HWND window;
        std::string caption;
    };
    static inline DialogAnswerer* current_ = nullptr;
    std::map<std::string, Handler> handlers_;
    std::vector<Pending> pending_;
    std::vector<std::string> answered_;
    HHOOK hook_ = nullptr;
};

void PostKey(HWND window, WPARAM key) { PostMessageA(window, WM_KEYDOWN, key, 0); }

// The program's own message loop (shortcuts, dialog keys, idle-time updates)
// until the condition holds or the time is up.
bool RunUntil(ui::Application& app, const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        app.ProcessMessages();
        app.Idle();
        if (!condition()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// Presses a key on the control with Ctrl held: the thread's keyboard state
// says Ctrl is down while the key's message is handled.
void PressCtrl(ui::Application& app, HWND control, WPARAM key, const std::function<bool()>& handled) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE before = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostKey(control, key);
    RunUntil(app, handled, kPatience);
    keys[VK_CONTROL] = before;
    SetKeyboardState(keys);
}

// The shell's drop of files, as Explorer hands it over.
void DropFiles(HWND window, const std::vector<std::string>& paths) {
    std::string list;
    for (const auto& path : paths) list += path + '\0';
    list += '\0';
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(drop);
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

template <typename T>
T* FindForm(ui::Application& app) {
    for (ui::TForm* form : app.Forms()) {
        if (auto* found = dynamic_cast<T*>(form)) return found;
    }
    return nullptr;
}

class ProgramWindows : public ::testing::Test {
protected:
    // The main window as the program entry makes it, then shown and idle.
    TExtrMainForm& Start(const std::string& langFileName = "absent.lng") {
        window = std::make_unique<TExtrMainForm>(app, TExtrMainForm::Environment{programDir.folder(), langFileName});
        app.SetMainForm(window.get());
        new TExtrAboutDlg(app, window.get(), langFileName);
        window->Show();
        RunUntil(app, [] { return false; }, std::chrono::milliseconds(300));
        return *window;
    }
    HWND Handle(const char* name) const { return ui::win32::HandleOf(window->Get<ui::TControl>(name)); }
    // A click on a button of the window, which was idle before as it is for a user.
    void Click(const char* button) {
        app.Idle();
        SendMessageA(Handle(button), BM_CLICK, 0, 0);
    }
    std::string LogText() const { return Text(window->Get<ui::TMemo>("LogMemo")); }
    void WaitUntilIdle() {
        ASSERT_TRUE(RunUntil(app, [this] { return !window->Restoring(); }, kPatience)) << "the restoration did not end";
    }
    // Sets the common destination as the folder browser would.
    void SetCommonFolder(const std::string& folder) const {
        window->Get<ui::TEdit>("CommonFolderEdit").SetText(folder);
    }

    TempDir programDir;
    TempDir target;
    ui::Application app{ui::CreateWin32Backend()};
    std::unique_ptr<TExtrMainForm> window;
};

TEST_F(ProgramWindows, StartUpWithoutIndexesShowsTheBoxBeforeTheWindow) {
    MessageBoxWatcher boxes;
    TExtrMainForm& w = Start();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "No archive indexes");
    EXPECT_EQ(boxes.Boxes()[0].owner, ui::win32::HandleOf(w));
    EXPECT_EQ(Text(w), "Lumavex backup restoration utility");
    EXPECT_EQ(ListItemCount(w.Get<ui::TListView>("ListView")), 0);
    EXPECT_EQ(ListColumnCaption(w.Get<ui::TListView>("ListView"), 0), "Backup element");
    EXPECT_EQ(MenuItemText(w.Get<ui::TMenuItem>("Open")), "Open...\tCtrl+O");
    EXPECT_TRUE(MenuItemEnabled(w.Get<ui::TMenuItem>("Open")));
    EXPECT_FALSE(Enabled(w.Get<ui::TButton>("ExtractBtn")));
    EXPECT_FALSE(Enabled(w.Get<ui::TButton>("CancelBtn")));
    EXPECT_TRUE(Enabled(w.Get<ui::TButton>("CloseBtn")));
    EXPECT_TRUE(CommonControlsFromManifest());
}

TEST_F(ProgramWindows, OneZipBackupIsListedAndRestoredWithCtrlR) {
    windowtest::WriteZipBackup(programDir);
    TExtrMainForm& w = Start();
    const auto& list = w.Get<ui::TListView>("ListView");
    ASSERT_EQ(ListItemCount(list), 2);
    EXPECT_EQ(ListItemText(list, 0), "Docs\\");
    EXPECT_EQ(ListItemText(list, 1), "readme.txt");
    EXPECT_EQ(ListItemText(list, 0, 1), Text(w.Get<ui::TEdit>("CommonFolderEdit")));
    EXPECT_TRUE(Enabled(w.Get<ui::TButton>("ExtractBtn")));

    SetCommonFolder(target.folder());
    PressCtrl(app, Handle("ListView"), 'R', [&] { return w.Restoring() || !LogText().empty(); });
    WaitUntilIdle();
    EXPECT_EQ(LogText(), "Operation completed successfully.");
    for (const char* item : {windowtest::kDocsA, windowtest::kDocsB, windowtest::kReadme}) {
        EXPECT_EQ(target.read(item), ContentOf(item)) << item;
    }
}

TEST_F(ProgramWindows, AFolderBackupWithAFailureAndACancelledRestoration) {
    windowtest::WriteFolderBackup(programDir);
    TExtrMainForm& w = Start();
    target.mkdir("readme.txt");  // a folder stands where the file goes
    SetCommonFolder(target.folder());
    Click("ExtractBtn");
    WaitUntilIdle();
    EXPECT_EQ(LogText(), "*** " + programDir.file("Docs/readme.txt") + " -- FAILED!\r\n"
                         "Operation completed. There were errors.");
    EXPECT_EQ(target.read("Docs/a.txt"), ContentOf(windowtest::kDocsA));

    // A long one, cancelled at once: large enough that a worker running at
    // native speed is still copying when the click arrives.
    const std::string big = windowtest::WriteIndexOnly(programDir, "big");
    windowtest::WriteLargeZip(programDir, "big/Docs.zip", 256u << 20);
    ASSERT_EQ(w.OpenIndexFile(big), 0);
    SetCommonFolder(target.folder());
    Click("ExtractBtn");
    EXPECT_TRUE(w.Restoring());
    app.Idle();  // the buttons follow: only Cancel is enabled now
    EXPECT_FALSE(Enabled(w.Get<ui::TButton>("CloseBtn")));
    EXPECT_TRUE(Enabled(w.Get<ui::TButton>("CancelBtn")));
    SendMessageA(Handle("CancelBtn"), BM_CLICK, 0, 0);  // at once, before the next idle time
    WaitUntilIdle();
    EXPECT_NE(LogText().find("Operation canceled by user."), std::string::npos) << LogText();
}

TEST_F(ProgramWindows, SeveralIndexesOfferTheTreeAndEnterOpensTheSelectedOne) {
    windowtest::WriteZipBackup(programDir, "a");
    const std::string second = windowtest::WriteFolderBackup(programDir, "b");
    std::vector<std::string> tree;
    DialogAnswerer answerer({{"Select archive to open", [&](HWND dialog) {
                                  auto* form = FindForm<TExtrArchiveSelectionForm>(app);
                                  form->TreeView().SetSelected(&form->TreeView().Items().Top(1));
                                  const ui::TTreeNodes& nodes = form->TreeView().Items();
                                  for (int i = 0; i < nodes.Count(); ++i) tree.push_back(nodes.Item(i)->Text());
                                  // The idle time between a click and a key: OK follows the selection.
                                  app.Idle();
                                  PostKey(dialog, VK_RETURN);
                              }}});
    TExtrMainForm& w = Start();
    ASSERT_EQ(answerer.Answered().size(), 1u);
    ASSERT_EQ(tree.size(), 6u);
    EXPECT_EQ(tree[0], programDir.file("a/Docs.lxi"));
    EXPECT_EQ(tree[1], "  Archive name: Docs");
    EXPECT_EQ(tree[3], second);
    EXPECT_EQ(w.ArchivePath(), programDir.file("b/Docs/"));
    EXPECT_EQ(ListItemCount(w.Get<ui::TListView>("ListView")), 2);
}

TEST_F(ProgramWindows, EscapeInTheVersionDialogKeepsTheWindowEmptyAndEnterOpensTheVersion) {
    windowtest::WriteIndexOnly(programDir);
    windowtest::WriteZipVersion(programDir, "Docs 2005-02-28_10-00.zip");
    WPARAM key = VK_ESCAPE;
    std::string firstRow;
    DialogAnswerer answerer({{"Select the desired archive version", [&](HWND dialog) {
                                  auto* form = FindForm<TExtrArchiveVariantSelectionForm>(app);
                                  firstRow = ListItemText(form->avListView(), 0);
                                  PostKey(dialog, key);
                              }}});
    TExtrMainForm& w = Start();
    EXPECT_EQ(firstRow, "Docs 2005-02-28_10-00.zip");
    EXPECT_EQ(ListItemCount(w.Get<ui::TListView>("ListView")), 0);

    key = VK_RETURN;
    ASSERT_EQ(w.OpenIndexFile(programDir.file("Docs.lxi")), 0);
    EXPECT_EQ(w.ArchivePath(), programDir.file("Docs 2005-02-28_10-00.zip"));
    EXPECT_EQ(answerer.Answered().size(), 2u);
}

TEST_F(ProgramWindows, ARealDropOpensTheDroppedIndex) {
    MessageBoxWatcher boxes;
    TExtrMainForm& w = Start();
    const std::string index = windowtest::WriteZipBackup(target, "dropped");
    DropFiles(ui::win32::HandleOf(w), {target.file("dropped"), index});
    ASSERT_TRUE(RunUntil(app, [&] { return !w.ArchivePath().empty(); }, kPatience));
    EXPECT_EQ(w.ArchivePath(), target.file("dropped/Docs.zip"));
    EXPECT_EQ(ListItemText(w.Get<ui::TListView>("ListView"), 1), "readme.txt");
}

TEST_F(ProgramWindows, TheAboutDialogShowsItsTextsAndClosesWithEnter) {
    MessageBoxWatcher boxes;
    TExtrMainForm& w = Start();
    std::vector<std::string> texts;
    DialogAnswerer answerer({{"About", [&](HWND dialog) {
                                  auto* about = FindForm<TExtrAboutDlg>(app);
                                  for (const char* label : {"Label1", "Label4", "Label3", "Label5", "Label6"}) {
                                      texts.push_back(Text(about->Get<ui::TLabel>(label)));
                                  }
                                  PostKey(dialog, VK_RETURN);
                              }}});
    w.Get<ui::TMenuItem>("About").Click();
    EXPECT_EQ(texts, (std::vector<std::string>{"Norvane Lumavex", "backup restoration utility", "Version 1.1",
                                               "Newest version available at ", kProductSiteHost}));
}

TEST_F(ProgramWindows, AGermanLanguageFileTranslatesTheWindowTheMenuTheBoxesAndTheLog) {
    loctest::LanguageFile german(
        "[TExtrMainForm]\r\n"
        "ExtrMainForm_Caption=Lumavex Sicherungswiederherstellung\r\n"
        "ListView_ColumnCaption[0]=Sicherungselement\r\n"
        "ListView_ColumnCaption[1]=Zielordner\r\n"
        "RestoreActn_Caption=Wiederherstellen\r\n"
        "File_Caption=&Datei\r\n"
        "Str20=Keine Sicherungsindexdateien gefunden.\r\n"
        "Str21=Keine Sicherungsindizes\r\n"
        "Str28=Vorgang erfolgreich abgeschlossen.\r\n");
    MessageBoxWatcher boxes;
    TExtrMainForm& w = Start(german.name());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Keine Sicherungsindizes");
    EXPECT_EQ(boxes.Boxes()[0].text, "Keine Sicherungsindexdateien gefunden.");
    EXPECT_EQ(Text(w), "Lumavex Sicherungswiederherstellung");
    EXPECT_EQ(ListColumnCaption(w.Get<ui::TListView>("ListView"), 1), "Zielordner");
    EXPECT_EQ(Text(w.Get<ui::TButton>("ExtractBtn")), "Wiederherstellen");
    EXPECT_EQ(MenuItemText(w.Get<ui::TMenuItem>("File")), "&Datei");

    const std::string index = windowtest::WriteZipBackup(target, "backup");
    ASSERT_EQ(w.OpenIndexFile(index), 0);
    SetCommonFolder(target.folder());
    Click("ExtractBtn");
    WaitUntilIdle();
    EXPECT_EQ(LogText(), "Vorgang erfolgreich abgeschlossen.");
}

}  // namespace
