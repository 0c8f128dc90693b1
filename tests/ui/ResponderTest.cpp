// The headless backend answers modal forms, message boxes, file dialogs and
// folder browsers through the test's responders and records what was shown.
#include "HeadlessApp.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using uitest::TTestWindow;

TEST(Responders, MessageBoxesAreRecordedAndAnswered) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    EXPECT_EQ(h.app.ShowMessageBox(&window, "Archive index file does not exist.", "Error", ui::mbIconWarning),
              ui::idOk);
    h.backend.OnMessageBox = [](const ui::MessageBoxRequest& r) {
        return r.caption == "Confirm" ? ui::idYes : ui::idNo;
    };
    EXPECT_EQ(h.app.ShowMessageBox(nullptr, "Go on?", "Confirm", ui::mbYesNo | ui::mbIconQuestion), ui::idYes);

    ASSERT_EQ(h.backend.Shown().size(), 2u);
    const ui::ShownRecord& first = h.backend.Shown()[0];
    EXPECT_EQ(first.kind, ui::ShownRecord::Kind::MessageBox);
    EXPECT_EQ(first.text, "Archive index file does not exist.");
    EXPECT_EQ(first.caption, "Error");
    EXPECT_EQ(first.icon, static_cast<unsigned>(ui::mbIconWarning));
    EXPECT_EQ(first.owner, &window);
    EXPECT_EQ(h.backend.Shown()[1].owner, nullptr);
    EXPECT_EQ(h.backend.Shown()[1].icon, static_cast<unsigned>(ui::mbIconQuestion));
}

TEST(Responders, UnansweredBoxesGetTheAnswerOfClosingThem) {
    uitest::HeadlessApp h;
    EXPECT_EQ(h.app.ShowMessageBox(nullptr, "t", "c", ui::mbOk), ui::idOk);
    EXPECT_EQ(h.app.ShowMessageBox(nullptr, "t", "c", ui::mbOkCancel), ui::idCancel);
    EXPECT_EQ(h.app.ShowMessageBox(nullptr, "t", "c", ui::mbYesNo), ui::idNo);
}

// The responder works the dialog as a user would: it selects a row, the
// update rule enables OK, and OK ends the dialog.
TEST(Responders, AModalFormIsWorkedByTheResponder) {
    uitest::HeadlessApp h;
    TTestWindow main(h.app);
    TTestWindow dialog(h.app, &main);
    dialog.SetPosition(ui::TPosition::poOwnerFormCenter);
    dialog.List().Items().Add().SetCaption("backup_2024-01-01_10-00.zip");
    dialog.RestoreActn().OnUpdate = [&](ui::TAction& a) { a.SetEnabled(dialog.List().Selected() != nullptr); };
    dialog.RestoreActn().OnExecute = [&](ui::TAction&) { dialog.SetModalResult(ui::mrOk); };
    main.Show();

    h.backend.OnModal = [&](ui::TForm& form) {
        EXPECT_EQ(&form, &dialog);
        EXPECT_TRUE(form.Visible());
        EXPECT_TRUE(form.Modal());
        EXPECT_FALSE(main.AcceptsInput());
        EXPECT_FALSE(dialog.RestoreBtn().Enabled());  // the modal loop's first idle ran
        dialog.List().Items()[0].SetSelected(true);
        h.app.Idle();
        EXPECT_TRUE(dialog.RestoreBtn().Enabled());
        dialog.RestoreBtn().Click();
        return ui::mrNone;  // the form's own modal result counts
    };
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.Modal());
    EXPECT_TRUE(main.AcceptsInput());

    ASSERT_EQ(h.backend.Shown().size(), 1u);
    EXPECT_EQ(h.backend.Shown()[0].kind, ui::ShownRecord::Kind::ModalForm);
    EXPECT_EQ(h.backend.Shown()[0].form, &dialog);
    EXPECT_EQ(h.backend.Shown()[0].owner, &main);
    EXPECT_EQ(h.backend.Shown()[0].caption, "Test window");
}

TEST(Responders, ModalFormsEndWithCancelUnlessChosenOtherwise) {
    uitest::HeadlessApp h;
    TTestWindow main(h.app);
    TTestWindow dialog(h.app, &main);
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);  // no responder
    h.backend.OnModal = [&](ui::TForm& form) {
        form.Close();  // the close box
        return ui::mrNone;
    };
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    h.backend.OnModal = [&](ui::TForm&) {
        dialog.DialogKey(ui::vk::Escape);  // the cancel button's action
        return ui::mrNone;
    };
    dialog.CloseActn().OnExecute = [&](ui::TAction&) { dialog.SetModalResult(ui::mrAbort); };
    EXPECT_EQ(dialog.ShowModal(), ui::mrAbort);

    dialog.Show();
    EXPECT_THROW(dialog.ShowModal(), std::logic_error);
}

// A modal form shown from a modal form blocks it in turn; a form created
// meanwhile is not left blocked.
TEST(Responders, NestedModalFormsBlockAndReleaseTheirOwners) {
    uitest::HeadlessApp h;
    TTestWindow main(h.app);
    TTestWindow first(h.app, &main);
    TTestWindow second(h.app, &main);
    std::unique_ptr<TTestWindow> late;
    h.backend.OnModal = [&](ui::TForm& form) {
        if (&form == &first) {
            EXPECT_EQ(second.ShowModal(), ui::mrYes);
            EXPECT_TRUE(first.AcceptsInput());
            EXPECT_FALSE(main.AcceptsInput());
            return ui::mrOk;
        }
        EXPECT_FALSE(first.AcceptsInput());
        late = std::make_unique<TTestWindow>(h.app, &main);
        return ui::mrYes;
    };
    EXPECT_EQ(first.ShowModal(), ui::mrOk);
    EXPECT_TRUE(main.AcceptsInput());
    EXPECT_TRUE(first.AcceptsInput());
    EXPECT_TRUE(late->AcceptsInput());
}

TEST(Responders, ModalFormsAreCentredOnAShowingOwner) {
    uitest::HeadlessApp h;
    TTestWindow main(h.app);
    main.SetPosition(ui::TPosition::poScreenCenter);
    main.Show();
    EXPECT_EQ(main.Left(), (1024 - 522) / 2);
    EXPECT_EQ(main.Top(), (768 - 447) / 2);

    ui::TForm dialog(h.app, &main, "Dialog");
    dialog.Build({.size = {200, 100}, .position = ui::TPosition::poOwnerFormCenter});
    dialog.ShowModal();
    EXPECT_EQ(dialog.Left(), main.Left() + (522 - 200) / 2);
    EXPECT_EQ(dialog.Top(), main.Top() + (447 - 100) / 2);
}

TEST(Responders, TheOpenDialogShowsItsSettingsAndTakesTheAnswer) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    auto& dialog = window.Get<ui::TOpenDialog>("OpenDialog");
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "");

    ui::OpenDialogRequest seen;
    h.backend.OnOpenDialog = [&](const ui::OpenDialogRequest& r) -> std::optional<std::string> {
        seen = r;
        return std::string("C:\\Backups\\docs.lxi");
    };
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "C:\\Backups\\docs.lxi");
    EXPECT_EQ(seen.owner, &window);
    EXPECT_EQ(seen.title, "Open backup index file");
    EXPECT_EQ(seen.filter, "Index files (*.lxi)|*.lxi|All files (*.*)|*.*");
    EXPECT_EQ(seen.defaultExt, "lxi");
    EXPECT_EQ(seen.options, static_cast<unsigned>(ui::ofHideReadOnly | ui::ofPathMustExist | ui::ofFileMustExist |
                                                  ui::ofEnableSizing));
    ASSERT_EQ(h.backend.Shown().size(), 2u);
    EXPECT_EQ(h.backend.Shown()[1].kind, ui::ShownRecord::Kind::OpenDialog);
    EXPECT_EQ(h.backend.Shown()[1].title, "Open backup index file");
}

TEST(Responders, TheFolderBrowserAnswersAsTheRealOneCould) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    struct Case {
        ui::FolderChoice answer;
        ui::FolderChoice::Outcome outcome;
        bool refused;
    };
    const Case cases[] = {
        {{ui::FolderChoice::Chosen, "D:\\Restore"}, ui::FolderChoice::Chosen, false},
        {{ui::FolderChoice::Cancelled, ""}, ui::FolderChoice::Cancelled, false},
        {{ui::FolderChoice::NotFileSystem, ""}, ui::FolderChoice::NotFileSystem, false},
        // OK stays disabled on a network folder: the user can only cancel.
        {{ui::FolderChoice::Chosen, "\\\\server\\share"}, ui::FolderChoice::Cancelled, true},
    };
    for (const Case& c : cases) {
        h.backend.ClearShown();
        h.backend.OnBrowseForFolder = [&](const ui::FolderBrowseRequest&) { return c.answer; };
        const ui::FolderChoice got = h.app.BrowseForFolder(&window, "Select folder to restore to...");
        EXPECT_EQ(got.outcome, c.outcome);
        ASSERT_EQ(h.backend.Shown().size(), 1u);
        EXPECT_EQ(h.backend.Shown()[0].title, "Select folder to restore to...");
        EXPECT_EQ(h.backend.Shown()[0].owner, &window);
        EXPECT_EQ(h.backend.Shown()[0].refused, c.refused);
    }
}

TEST(Responders, FolderBrowserAcceptsLocalFileSystemPathsOnly) {
    EXPECT_TRUE(ui::FolderBrowserAccepts("C:\\"));
    EXPECT_TRUE(ui::FolderBrowserAccepts("C:\\Users\\me\\Documents"));
    EXPECT_TRUE(ui::FolderBrowserAccepts("\\Windows"));
    EXPECT_FALSE(ui::FolderBrowserAccepts("\\\\server\\share"));
    EXPECT_FALSE(ui::FolderBrowserAccepts(""));
}

TEST(Responders, ShellServicesAreAnsweredInMemory) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    EXPECT_EQ(h.app.ShellSmallIconIndex("Docs\\"), 1);
    EXPECT_EQ(h.app.ShellSmallIconIndex("readme.txt"), 2);
    h.backend.OnShellIconIndex = [](const std::string&) { return -1; };
    EXPECT_EQ(h.app.ShellSmallIconIndex("x.zip"), -1);

    auto& images = window.Get<ui::TImageList>("ListImages");
    images.AssignSystemSmallImages();
    EXPECT_NE(images.Handle(), 0u);
    EXPECT_TRUE(images.ShareImages());

    h.app.OpenUrl("http://www.example.org/");
    EXPECT_EQ(h.backend.OpenedUrls(), std::vector<std::string>{"http://www.example.org/"});
}

}  // namespace
