// A backend without a screen, for tests on any OS. Properties live in the
// components; posted messages wait in a queue until the test processes them;
// idle updates run when the test asks (Application::Idle). Every modal form,
// message box, file dialog and folder browser is answered by a responder the
// test sets, and recorded with what it showed.
#pragma once

#include "ui/Backend.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Application;
class TForm;

// One thing the backend was asked to show.
struct ShownRecord {
    enum class Kind { MessageBox, ModalForm, OpenDialog, FolderBrowser };
    Kind kind = Kind::MessageBox;
    const TForm* owner = nullptr;  // null: no owner window
    std::string text;              // message box
    std::string caption;           // message box; modal form
    unsigned icon = 0;             // message box: flags & mbIconMask
    unsigned flags = 0;            // message box
    std::string title;             // open dialog, folder browser
    std::string filter;            // open dialog
    const TForm* form = nullptr;   // modal form
    // The folder browser's OK button stays disabled for the responder's
    // choice (a network path): the answer became Cancelled.
    bool refused = false;
};

class HeadlessBackend : public Backend {
public:
    HeadlessBackend();
    ~HeadlessBackend() override;

    // The backend of an application made with one; throws std::logic_error otherwise.
    static HeadlessBackend& Of(Application& app);

    // --- Responders. Without one: message boxes answer as if closed (idOk for
    // mbOk, else idCancel or idNo), modal forms end with their modal result or
    // mrCancel, file dialogs and folder browsers are cancelled.
    std::function<int(const MessageBoxRequest&)> OnMessageBox;
    // May work the form (select, execute actions, set a modal result); the
    // result it returns, if not mrNone, is the modal result.
    std::function<int(TForm&)> OnModal;
    std::function<std::optional<std::string>(const OpenDialogRequest&)> OnOpenDialog;
    std::function<FolderChoice(const FolderBrowseRequest&)> OnBrowseForFolder;
    // Without it, names ending with a path separator get 1 (the folder icon), others 2.
    std::function<int(const std::string&)> OnShellIconIndex;

    const std::vector<ShownRecord>& Shown() const { return shown_; }
    void ClearShown() { shown_.clear(); }
    const std::vector<std::string>& OpenedUrls() const { return openedUrls_; }

    // --- Posted messages (any thread may post; the test's thread processes).
    std::size_t PendingCount() const;
    // Waits until a message is queued; false on timeout.
    bool WaitForPosted(std::chrono::milliseconds timeout);
    // Drops files on the form as the shell would: only on a form that accepts
    // files; the drop arrives as a posted msg::DropFiles.
    bool DropFiles(TForm& form, std::vector<std::string> paths);

    // --- Backend
    std::unique_ptr<FormPeer> CreateFormPeer(Application& app, TForm& form) override;
    std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control) override;
    void ProcessMessages(Application& app) override;
    void Run(Application& app) override;
    int RunModal(Application& app, TForm& form) override;
    int ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> ExecuteOpenDialog(const OpenDialogRequest& request) override;
    FolderChoice BrowseForFolder(const FolderBrowseRequest& request) override;
    std::vector<std::string> DroppedFiles(std::uintptr_t drop) override;
    std::uintptr_t SystemSmallImages() override;
    int ShellSmallIconIndex(const std::string& name) override;
    void OpenUrl(const std::string& address) override;
    TRect WorkArea() const override;

    // The form peers use these.
    void Enqueue(TForm& form, const TMessage& message);
    void Purge(const TForm& form);

private:
    struct Posted {
        TForm* form;
        TMessage message;
    };
    mutable std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<Posted> queue_;
    std::map<std::uintptr_t, std::vector<std::string>> drops_;
    std::uintptr_t nextDrop_ = 0;
    std::vector<ShownRecord> shown_;
    std::vector<std::string> openedUrls_;
};

}  // namespace ui
