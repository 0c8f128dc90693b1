#include "ui/Application.h"

#include "ui/Form.h"

#include <algorithm>

namespace ui {

Application::Application(std::unique_ptr<Backend> backend) : backend_(std::move(backend)) {}

// Forms refer to their application: they are destroyed before it.
Application::~Application() = default;

void Application::AddForm(TForm& form) {
    forms_.push_back(&form);
    if (!mainForm_) mainForm_ = &form;
}

void Application::RemoveForm(TForm& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    if (mainForm_ == &form) mainForm_ = nullptr;
}

void Application::Run() {
    if (mainForm_) mainForm_->Show();
    backend_->Run(*this);
}

void Application::ProcessMessages() { backend_->ProcessMessages(*this); }

void Application::Idle() {
    for (TForm* form : std::vector<TForm*>(forms_)) {
        // A form destroyed by an earlier form's update rule is skipped.
        if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) continue;
        if (form->Visible() && form->AcceptsInput()) Guard([form] { form->UpdateActions(); });
    }
}

int Application::ShowMessageBox(const TForm* owner, const std::string& text, const std::string& caption,
                                unsigned flags) {
    return backend_->ShowMessageBox(MessageBoxRequest{owner, text, caption, flags});
}

FolderChoice Application::BrowseForFolder(const TForm* owner, const std::string& title) {
    return backend_->BrowseForFolder(FolderBrowseRequest{owner, title});
}

std::vector<std::string> Application::DroppedFiles(std::uintptr_t drop) { return backend_->DroppedFiles(drop); }

int Application::ShellSmallIconIndex(const std::string& name) { return backend_->ShellSmallIconIndex(name); }

void Application::OpenUrl(const std::string& address) { backend_->OpenUrl(address); }

void Application::HandleException(std::exception_ptr error) noexcept {
    std::string message;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
    }
    try {
        if (OnException) {
            OnException(message);
        } else {
            backend_->ShowMessageBox(MessageBoxRequest{nullptr, message, title_, mbOk | mbIconError});
        }
    } catch (...) {
        // The report itself failed; there is nobody left to tell.
    }
}

}  // namespace ui
