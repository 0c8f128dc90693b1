// The Win32 backend under Wine and Xvfb: a window built from a design is read
// back from the real controls; update rules run from the real message loop;
// a real modal loop; a real message box answered from a CBT hook.
#include "../TestWindow.h"
#include "Win32Probe.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Handles.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

using namespace uitest::win32;
using uitest::TTestWindow;

constexpr unsigned kTimer = 0x0113;  // WM_TIMER, dispatched by number like any message
constexpr auto kPatience = std::chrono::seconds(60);

class Win32Window : public ::testing::Test {
protected:
    ui::Application app{ui::CreateWin32Backend()};
};

void FillTree(ui::TTreeView& tree) {
    for (const char* path : {"C:\\a.lxi", "C:\\x\\b.lxi"}) {
        ui::TTreeNode& top = tree.Items().Add(path);
        tree.Items().AddChild(&top, "  Archive name: docs").SetStateIndex(1);
        tree.Items().AddChild(&top, "Docs\\");
    }
}

TEST_F(Win32Window, ADesignedWindowShowsItsTextsOnRealControls) {
    TTestWindow window(app);
    ui::TListView& list = window.List();
    list.Items().BeginUpdate();
    for (const char* name : {"Docs\\", "readme.txt"}) {
        ui::TListItem& row = list.Items().Add();
        row.SetCaption(name);
        row.AddSubItem("C:\\Users\\me\\Documents\\");
    }
    list.Items().EndUpdate();
    FillTree(window.Tree());
    window.Show();
    app.ProcessMessages();

    EXPECT_TRUE(CommonControlsFromManifest());
    EXPECT_EQ(Text(window), "Test window");
    EXPECT_EQ(Text(window.ClearChkbx()), "Clear folders first");
    EXPECT_TRUE(Checked(window.CommonRbtn()));
    EXPECT_FALSE(Checked(window.SeparateRbtn()));
    EXPECT_EQ(Text(window.FolderEdit()), "C:\\Restore\\");
    EXPECT_EQ(Text(window.Log()), "first line");
    EXPECT_EQ(Text(window.RestoreBtn()), "Restore");  // the action's caption
    EXPECT_EQ(HintText(window.ClearChkbx()), "Clears");
    EXPECT_EQ(HintText(window.RestoreBtn()), "Restore current backup");

    EXPECT_EQ(ListColumnCaption(list, 0), "Backup element");
    EXPECT_EQ(ListColumnCaption(list, 1), "Destination folder");
    EXPECT_EQ(ListColumnWidth(list, 0), 240);
    EXPECT_EQ(ListColumnWidth(list, 1), list.ClientSize().Width - 240);  // auto-sized
    ASSERT_EQ(ListItemCount(list), 2);
    EXPECT_EQ(ListItemText(list, 1), "readme.txt");
    EXPECT_EQ(ListItemText(list, 1, 1), "C:\\Users\\me\\Documents\\");

    EXPECT_EQ(TreeTexts(window.Tree()), (std::vector<std::string>{"C:\\a.lxi", "  Archive name: docs", "Docs\\",
                                                                  "C:\\x\\b.lxi", "  Archive name: docs", "Docs\\"}));
    EXPECT_EQ(MenuItemText(window.MenuItem("File")), "&File");
    EXPECT_EQ(MenuItemText(window.MenuItem("Open")), "Open...\tCtrl+O");
    EXPECT_EQ(MenuItemText(window.MenuItem("Exit")), "Exit");
    EXPECT_EQ(FontName(window.List()), "Tahoma");
    EXPECT_EQ(FontPointSize(window.List()), 8);
}

// What a translator does to an existing window reaches the screen.
TEST_F(Win32Window, ChangesAfterCreationReachTheRealControls) {
    TTestWindow window(app);
    window.List().Items().Add().SetCaption("Docs\\");
    window.Show();

    window.SetCaption("Sicherungswiederherstellung");
    window.Font().SetName("Arial");
    window.Font().Size = 10;
    window.Font().Charset = 204;
    window.Font().Changed();
    window.RestoreActn().SetCaption("Wiederherstellen");
    window.List().Columns()[1].SetCaption("Zielordner");
    window.List().Items()[0].SetCaption("Dokumente\\");
    window.MenuItem("File").SetCaption("&Datei");
    window.CloseActn().SetEnabled(false);
    window.ClearChkbx().SetHint("Leert die Ordner");
    window.Tree().Items().Add("C:\\a.lxi");
    window.Tree().Items().Top(0).SetText("C:\\b.lxi");
    app.ProcessMessages();

    EXPECT_EQ(Text(window), "Sicherungswiederherstellung");
    EXPECT_EQ(Text(window.RestoreBtn()), "Wiederherstellen");
    EXPECT_EQ(ListColumnCaption(window.List(), 1), "Zielordner");
    EXPECT_EQ(ListItemText(window.List(), 0), "Dokumente\\");
    EXPECT_EQ(MenuItemText(window.MenuItem("File")), "&Datei");
    EXPECT_FALSE(MenuItemEnabled(window.MenuItem("Exit")));
    EXPECT_FALSE(Enabled(window.CloseBtn()));
    EXPECT_EQ(HintText(window.ClearChkbx()), "Leert die Ordner");
    EXPECT_EQ(TreeTexts(window.Tree()), std::vector<std::string>{"C:\\b.lxi"});
    EXPECT_EQ(FontPointSize(window.RestoreBtn()), 10);
    EXPECT_EQ(FontName(window.FolderEdit()), "Arial");  // inside the group box
    EXPECT_EQ(FontCharset(window.List()), 204);
    EXPECT_EQ(FontPointSize(window.Get<ui::TLabel>("LinkLbl")), 8);  // a font of its own
}

// A one-shot timer that the update rule arms: the next tick comes only after
// the loop has gone idle once more.
struct IdleTicker {
    HWND window;
    bool armed = false;
    void Arm() {
        if (armed) return;
        armed = true;
        SetTimer(window, 1, 10, nullptr);
    }
    void Tick() {
        KillTimer(window, 1);
        armed = false;
    }
};

// The message loop runs the update rules whenever its queue is empty: each
// tick sees the state the rule gave when the loop last went idle.
TEST_F(Win32Window, TheMessageLoopRunsUpdateRulesWhenIdle) {
    TTestWindow window(app);
    IdleTicker ticker{ui::win32::HandleOf(window)};
    bool rows = false;
    std::vector<bool> seen;
    window.RestoreActn().OnUpdate = [&](ui::TAction& a) {
        a.SetEnabled(rows);
        if (seen.size() < 3) ticker.Arm();
    };
    window.SetMessageHandler(kTimer, [&](ui::TMessage&) {
        ticker.Tick();
        seen.push_back(Enabled(window.RestoreBtn()));
        rows = !rows;
        if (seen.size() == 3) window.Close();  // the main form: the loop ends
    });
    // A worker posts too; its message arrives through the same loop.
    std::atomic<bool> workerMessage{false};
    window.SetMessageHandler(ui::msg::User + 2, [&](ui::TMessage& m) { workerMessage = m.WParam == 7; });
    std::thread worker([&window] { window.Post(ui::msg::User + 2, 7, 0); });
    worker.join();
    // Should the loop hang, a watchdog ends it.
    std::atomic<bool> done{false};
    std::thread watchdog([&] {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!done && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!done) window.Post(ui::msg::Close);
    });

    app.Run();
    done = true;
    watchdog.join();

    EXPECT_EQ(seen, (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(workerMessage);
}

// A real modal loop: the dialog's OK stays disabled until a row is selected,
// then a real click on it ends the loop with OK.
TEST_F(Win32Window, ARealModalLoopRunsTheDialogsUpdateRules) {
    TTestWindow main(app);
    TTestWindow dialog(app, &main);
    dialog.SetPosition(ui::TPosition::poOwnerFormCenter);
    dialog.List().Items().Add().SetCaption("backup_2024-01-01_10-00.zip");
    IdleTicker ticker{ui::win32::HandleOf(dialog)};
    int step = 0;
    ui::TAction& ok = dialog.RestoreActn();
    ok.OnUpdate = [&](ui::TAction& a) {
        a.SetEnabled(dialog.List().Selected() != nullptr);
        if (step < 2) ticker.Arm();
    };
    ok.OnExecute = [&](ui::TAction&) { dialog.SetModalResult(ui::mrOk); };
    main.Show();

    bool disabledFirst = false, mainBlocked = false;
    dialog.SetMessageHandler(kTimer, [&](ui::TMessage&) {
        ticker.Tick();
        switch (step++) {
            case 0:
                disabledFirst = !Enabled(dialog.RestoreBtn());
                mainBlocked = !IsWindowEnabled(ui::win32::HandleOf(main));
                dialog.List().Items()[0].SetSelected(true);
                break;
            case 1:
                if (Enabled(dialog.RestoreBtn())) {
                    PostMessageA(ui::win32::HandleOf(dialog.RestoreBtn()), BM_CLICK, 0, 0);
                } else {
                    dialog.SetModalResult(ui::mrAbort);
                }
                break;
            default:
                break;
        }
    });
    const int result = dialog.ShowModal();

    EXPECT_TRUE(disabledFirst);
    EXPECT_TRUE(mainBlocked);
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_FALSE(IsWindowVisible(ui::win32::HandleOf(dialog)));
    EXPECT_TRUE(IsWindowEnabled(ui::win32::HandleOf(main)));
}

// No responder on this backend: the system's message box is read and answered
// from a CBT hook.
TEST_F(Win32Window, ARealMessageBoxIsShownWithItsTextCaptionAndOwner) {
    TTestWindow window(app);
    window.Show();
    MessageBoxWatcher watcher(IDOK);
    const int answer = app.ShowMessageBox(
        &window, "No archive index files found in the root folder and first level subfolders. Try to open it manually.",
        "No archive indexes", ui::mbOk | ui::mbIconInformation);
    const int unowned = app.ShowMessageBox(nullptr, "Archive index file does not exist.", "Error", ui::mbIconWarning);

    EXPECT_EQ(answer, ui::idOk);
    EXPECT_EQ(unowned, ui::idOk);
    ASSERT_EQ(watcher.Boxes().size(), 2u);
    EXPECT_EQ(watcher.Boxes()[0].text,
              "No archive index files found in the root folder and first level subfolders. Try to open it manually.");
    EXPECT_EQ(watcher.Boxes()[0].caption, "No archive indexes");
    EXPECT_EQ(watcher.Boxes()[0].owner, ui::win32::HandleOf(window));
    EXPECT_EQ(watcher.Boxes()[1].owner, nullptr);
}

// Files dropped by the shell arrive as message 563; the drop's paths are read
// and the drop released.
TEST_F(Win32Window, DroppedFilesArriveThroughTheShellsDrop) {
    TTestWindow window(app);
    window.SetAcceptFiles(true);
    std::vector<std::string> paths;
    window.SetMessageHandler(ui::msg::DropFiles, [&](ui::TMessage& m) { paths = app.DroppedFiles(m.WParam); });

    const char list[] = "C:\\a.lxi\0C:\\Backups\0\0";
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof list);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), list, sizeof list);
    GlobalUnlock(drop);
    PostMessageA(ui::win32::HandleOf(window), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);

    ASSERT_TRUE(PumpUntil([&] { return !paths.empty(); }, kPatience));
    EXPECT_EQ(paths, (std::vector<std::string>{"C:\\a.lxi", "C:\\Backups"}));
}

// The tree asks the program before the selection moves and draws marked nodes bold.
TEST_F(Win32Window, TheTreeVetoesSelectionsAndAsksHowToDrawNodes) {
    TTestWindow window(app);
    ui::TTreeView& tree = window.Tree();
    FillTree(tree);
    tree.OnChanging = [](ui::TTreeNode* node) { return node && !node->Parent(); };
    std::vector<std::string> drawnBold;
    tree.OnCustomDrawItem = [&](const ui::TTreeNode& node, ui::TTreeNodeStyle& style) {
        style.bold = node.StateIndex() == 1;
        if (style.bold) drawnBold.push_back(node.Text());
    };
    window.Show();
    tree.Items().Top(0).Expand();
    HWND hwnd = ui::win32::HandleOf(tree);

    // As a click would: the window itself moves the selection.
    auto child = static_cast<HTREEITEM>(tree.Items().Top(0).Item(1).PeerData());
    auto top = static_cast<HTREEITEM>(tree.Items().Top(1).PeerData());
    SendMessageA(hwnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(child));
    EXPECT_EQ(tree.Selected(), nullptr);
    EXPECT_EQ(TreeSelectedText(tree), "");
    SendMessageA(hwnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(top));
    EXPECT_EQ(tree.Selected(), &tree.Items().Top(1));
    EXPECT_EQ(TreeSelectedText(tree), "C:\\x\\b.lxi");

    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    app.ProcessMessages();
    EXPECT_NE(std::find(drawnBold.begin(), drawnBold.end(), "  Archive name: docs"), drawnBold.end());
    EXPECT_EQ(std::find(drawnBold.begin(), drawnBold.end(), "Docs\\"), drawnBold.end());
}

}  // namespace
