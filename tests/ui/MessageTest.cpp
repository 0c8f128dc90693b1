// Posted messages dispatched by number, from any thread; dropped files; the
// close rules; keys; the standard error report.
#include "HeadlessApp.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace {

using uitest::TTestWindow;

constexpr unsigned kFinished = ui::msg::User + 1;  // 1025
constexpr unsigned kProgress = ui::msg::User + 2;  // 1026
constexpr unsigned kFailed = ui::msg::User + 3;    // 1027

struct Received {
    unsigned msg;
    std::uintptr_t w;
    std::intptr_t l;
};

TEST(Messages, PostedMessagesWaitUntilProcessedAndGoToTheirHandlers) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    std::vector<Received> got;
    for (unsigned m : {kFinished, kProgress, kFailed}) {
        window.SetMessageHandler(m, [&](ui::TMessage& msg) { got.push_back({msg.Msg, msg.WParam, msg.LParam}); });
    }
    window.Post(kProgress, 1, 2);
    window.Post(4711, 0, 0);  // no handler: default handling ignores it
    window.Post(kFailed, 3, -4);
    window.Post(kFinished, 5, 6);
    EXPECT_TRUE(got.empty());
    EXPECT_EQ(h.backend.PendingCount(), 4u);

    h.app.ProcessMessages();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].msg, kProgress);
    EXPECT_EQ(got[1].msg, kFailed);
    EXPECT_EQ(got[1].l, -4);
    EXPECT_EQ(got[2].msg, kFinished);
    EXPECT_EQ(got[2].w, 5u);
    EXPECT_EQ(h.backend.PendingCount(), 0u);
}

TEST(Messages, AHandlerRunsInsteadOfTheDefaultHandling) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    window.Show();
    int closeRequests = 0;
    window.SetMessageHandler(ui::msg::Close, [&](ui::TMessage&) { ++closeRequests; });
    window.Perform(ui::msg::Close);
    EXPECT_EQ(closeRequests, 1);
    EXPECT_TRUE(window.Visible());

    window.SetMessageHandler(ui::msg::Close, nullptr);
    window.Post(ui::msg::Close);
    h.app.ProcessMessages();
    EXPECT_FALSE(window.Visible());
    EXPECT_TRUE(h.app.Terminated());  // the first form is the main form
}

TEST(Messages, MessagesPostedWhileProcessingAreProcessedToo) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    std::vector<unsigned> order;
    window.SetMessageHandler(kFinished, [&](ui::TMessage& m) {
        order.push_back(m.Msg);
        window.Post(kProgress);
    });
    window.SetMessageHandler(kProgress, [&](ui::TMessage& m) { order.push_back(m.Msg); });
    window.Post(kFinished);
    h.app.ProcessMessages();
    EXPECT_EQ(order, (std::vector<unsigned>{kFinished, kProgress}));
}

TEST(Messages, AWorkerThreadPostsAndTheUiThreadReceivesInOrder) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    std::vector<std::uintptr_t> progress;
    bool finished = false;
    window.SetMessageHandler(kProgress, [&](ui::TMessage& m) { progress.push_back(m.WParam); });
    window.SetMessageHandler(kFinished, [&](ui::TMessage&) { finished = true; });

    constexpr int kCount = 500;
    std::thread worker([&window] {
        for (int i = 0; i < kCount; ++i) window.Post(kProgress, static_cast<std::uintptr_t>(i));
        window.Post(kFinished);
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!finished && std::chrono::steady_clock::now() < deadline) {
        h.backend.WaitForPosted(std::chrono::milliseconds(100));
        h.app.ProcessMessages();
    }
    worker.join();
    ASSERT_TRUE(finished);
    ASSERT_EQ(progress.size(), static_cast<std::size_t>(kCount));
    for (int i = 0; i < kCount; ++i) EXPECT_EQ(progress[static_cast<std::size_t>(i)], static_cast<std::uintptr_t>(i));
}

TEST(Messages, MessagesForADestroyedFormAreDropped) {
    uitest::HeadlessApp h;
    TTestWindow main(h.app);
    int received = 0;
    {
        TTestWindow dialog(h.app, &main);
        dialog.SetMessageHandler(kFinished, [&](ui::TMessage&) { ++received; });
        dialog.Post(kFinished);
    }
    EXPECT_EQ(h.backend.PendingCount(), 0u);
    h.app.ProcessMessages();
    EXPECT_EQ(received, 0);
}

TEST(Messages, DroppedFilesArriveAsMessage563) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    std::vector<std::string> paths;
    window.SetMessageHandler(ui::msg::DropFiles, [&](ui::TMessage& m) { paths = h.app.DroppedFiles(m.WParam); });

    EXPECT_FALSE(h.backend.DropFiles(window, {"C:\\a.lxi"}));  // not registered for drops
    window.SetAcceptFiles(true);
    const std::string longPath(5000, 'x');
    ASSERT_TRUE(h.backend.DropFiles(window, {"C:\\a.lxi", "C:\\Folder", longPath}));
    h.app.ProcessMessages();
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths[0], "C:\\a.lxi");
    EXPECT_EQ(paths[1], "C:\\Folder");
    EXPECT_EQ(paths[2].size(), 4095u);
    // The drop was released when read.
    EXPECT_TRUE(h.app.DroppedFiles(1).empty());
}

TEST(Messages, AnExceptionFromAHandlerReachesTheStandardErrorReport) {
    uitest::HeadlessApp h;
    h.app.SetTitle("Extractor");
    TTestWindow window(h.app);
    window.SetMessageHandler(kFailed, [](ui::TMessage&) { throw std::runtime_error("Cannot open directory"); });
    window.SetMessageHandler(kFinished, [](ui::TMessage&) { throw 42; });
    window.Post(kFailed);
    window.Post(kFinished);
    h.app.ProcessMessages();
    ASSERT_EQ(h.backend.Shown().size(), 2u);
    const ui::ShownRecord& first = h.backend.Shown()[0];
    EXPECT_EQ(first.text, "Cannot open directory");
    EXPECT_EQ(first.caption, "Extractor");
    EXPECT_EQ(first.icon, static_cast<unsigned>(ui::mbIconError));
    EXPECT_EQ(first.owner, nullptr);
    EXPECT_EQ(h.backend.Shown()[1].text, "");  // an error without a message
}

TEST(Close, CloseQueryMayRefuseAndCloseDecides) {
    uitest::HeadlessApp h;
    TTestWindow main(h.app);
    TTestWindow other(h.app, &main);
    bool busy = true;
    main.OnCloseQuery = [&] { return !busy; };
    main.Show();
    main.Close();
    EXPECT_TRUE(main.Visible());
    EXPECT_FALSE(h.app.Terminated());

    other.Show();
    other.OnClose = [](ui::TCloseAction& action) { action = ui::TCloseAction::caNone; };
    other.Close();
    EXPECT_TRUE(other.Visible());
    other.OnClose = nullptr;
    other.Close();
    EXPECT_FALSE(other.Visible());
    EXPECT_FALSE(h.app.Terminated());  // not the main form

    busy = false;
    main.Close();
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(h.app.Terminated());
}

TEST(Keys, EnterAndEscapePressTheDefaultAndCancelButtons) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    int browses = 0, closes = 0;
    window.Get<ui::TAction>("BrowseActn").OnExecute = [&](ui::TAction&) { ++browses; };
    window.CloseActn().OnExecute = [&](ui::TAction&) { ++closes; };

    EXPECT_TRUE(window.DialogKey(ui::vk::Return));
    EXPECT_EQ(browses, 1);
    EXPECT_TRUE(window.DialogKey(ui::vk::Escape));
    EXPECT_EQ(closes, 1);

    // A disabled default button: Enter does nothing, and nothing else gets it.
    window.Get<ui::TAction>("BrowseActn").SetEnabled(false);
    EXPECT_TRUE(window.DialogKey(ui::vk::Return));
    EXPECT_EQ(browses, 1);

    // A focused button takes Enter itself.
    window.CloseBtn().SetFocus();
    EXPECT_TRUE(window.DialogKey(ui::vk::Return));
    EXPECT_EQ(closes, 2);
    EXPECT_FALSE(window.DialogKey('A'));
}

TEST(Keys, ControlInputEventsReachTheirHandlers) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ui::TListView& list = window.List();
    for (int i = 0; i < 3; ++i) list.Items().Add().SetCaption("row" + std::to_string(i));
    list.OnKeyDown = [&](unsigned& key, ui::TShiftState shift) {
        if (key == 'A' && (shift & ui::ssCtrl)) {
            list.SelectAll();
            key = 0;
        }
    };
    int downs = 0;
    list.OnMouseDown = [&](ui::TMouseButton, ui::TShiftState, int, int) { ++downs; };
    unsigned key = 'A';
    list.KeyDown(key, ui::ssCtrl | ui::ssShift);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(list.SelCount(), 3);
    list.MouseDown(ui::TMouseButton::mbRight, 0, 5, 5);
    EXPECT_EQ(downs, 1);

    // Checking a radio button clicks it and unchecks the one beside it.
    int clicks = 0;
    window.SeparateRbtn().OnClick = [&] {
        ++clicks;
        list.SetFocus();
    };
    window.SeparateRbtn().SetChecked(true);
    EXPECT_FALSE(window.CommonRbtn().Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(list.Focused());
    EXPECT_EQ(window.ActiveControl(), &list);
}

}  // namespace
