// The application: the backend, the forms, the message loop with idle-time
// action updates, and the services that show something modally (message
// boxes, the folder browser) or ask the shell (dropped files, icons, web pages).
#pragma once

#include "ui/Backend.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TForm;

class Application {
public:
    explicit Application(std::unique_ptr<Backend> backend);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& GetBackend() const { return *backend_; }

    // The caption of the standard error report.
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // Forms in creation order. The first form created is the main form unless set.
    const std::vector<TForm*>& Forms() const { return forms_; }
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }

    // Shows the main form and runs the message loop until Terminate. The
    // headless backend dispatches what is queued and returns.
    void Run();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    // Dispatches the messages that wait, without waiting for more.
    void ProcessMessages();
    // What the loop does when the queue is empty: the update rules of the
    // actions of every showing form that takes input.
    void Idle();

    int ShowMessageBox(const TForm* owner, const std::string& text, const std::string& caption, unsigned flags);
    FolderChoice BrowseForFolder(const TForm* owner, const std::string& title);
    std::vector<std::string> DroppedFiles(std::uintptr_t drop);
    int ShellSmallIconIndex(const std::string& name);
    void OpenUrl(const std::string& address);

    // Runs a handler of the user's input. An exception it lets out goes to the
    // standard error report: a message box with the exception's message (empty
    // for one without) captioned with the title, or OnException when set.
    template <typename Handler>
    void Guard(Handler&& handler) noexcept {
        try {
            handler();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }
    void HandleException(std::exception_ptr error) noexcept;
    std::function<void(const std::string& message)> OnException;

    // Forms register themselves.
    void AddForm(TForm& form);
    void RemoveForm(TForm& form);

private:
    std::unique_ptr<Backend> backend_;
    std::string title_;
    std::vector<TForm*> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

}  // namespace ui
