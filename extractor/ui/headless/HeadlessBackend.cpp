#include "ui/headless/HeadlessBackend.h"

#include "ui/Application.h"
#include "ui/Form.h"

#include <algorithm>
#include <stdexcept>

namespace ui {
namespace {

// Frame sizes of a headless window, so that client and outer sizes differ as on screen.
constexpr int kBorder = 4;
constexpr int kCaption = 23;
constexpr int kMenuBar = 20;
constexpr std::size_t kMaxDroppedPath = 4095;

class HeadlessFormPeer : public FormPeer {
public:
    HeadlessFormPeer(HeadlessBackend& backend, TForm& form) : backend_(backend), form_(form) {}
    ~HeadlessFormPeer() override { backend_.Purge(form_); }

    void Update(Aspect, const void*) override {}
    void Focus() override {}

    TSize ClientSize() const override {
        return {std::max(0, form_.Width() - 2 * kBorder),
                std::max(0, form_.Height() - 2 * kBorder - kCaption - MenuHeight())};
    }

    TSize OuterSizeFor(TSize client) const override {
        return {client.Width + 2 * kBorder, client.Height + 2 * kBorder + kCaption + MenuHeight()};
    }

    void Post(const TMessage& message) override { backend_.Enqueue(form_, message); }

    std::intptr_t Send(TMessage& message) override {
        if (!form_.Dispatch(message)) form_.DefaultHandler(message);
        return message.Result;
    }

    void AcceptFiles(bool) override {}

private:
    int MenuHeight() const { return form_.Menu() ? kMenuBar : 0; }

    HeadlessBackend& backend_;
    TForm& form_;
};

int DefaultAnswer(unsigned flags) {
    switch (flags & mbButtonsMask) {
        case mbOk:
            return idOk;
        case mbYesNo:
            return idNo;
        default:
            return idCancel;
    }
}

}  // namespace

HeadlessBackend::HeadlessBackend() = default;
HeadlessBackend::~HeadlessBackend() = default;

HeadlessBackend& HeadlessBackend::Of(Application& app) {
    auto* backend = dynamic_cast<HeadlessBackend*>(&app.GetBackend());
    if (!backend) throw std::logic_error("the application does not run on the headless backend");
    return *backend;
}

std::unique_ptr<FormPeer> HeadlessBackend::CreateFormPeer(Application&, TForm& form) {
    return std::make_unique<HeadlessFormPeer>(*this, form);
}

std::unique_ptr<ControlPeer> HeadlessBackend::CreateControlPeer(TControl&) { return nullptr; }

// --- Posted messages ---

void HeadlessBackend::Enqueue(TForm& form, const TMessage& message) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back({&form, message});
    }
    posted_.notify_all();
}

void HeadlessBackend::Purge(const TForm& form) {
    std::lock_guard lock(mutex_);
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(), [&](const Posted& p) { return p.form == &form; }),
                 queue_.end());
}

std::size_t HeadlessBackend::PendingCount() const {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

bool HeadlessBackend::WaitForPosted(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, timeout, [this] { return !queue_.empty(); });
}

// Like a message loop's inner part: messages posted meanwhile are processed too.
void HeadlessBackend::ProcessMessages(Application& app) {
    for (;;) {
        Posted next;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty()) return;
            next = queue_.front();
            queue_.pop_front();
        }
        app.Guard([&] {
            if (!next.form->Dispatch(next.message)) next.form->DefaultHandler(next.message);
        });
    }
}

void HeadlessBackend::Run(Application& app) {
    ProcessMessages(app);
    app.Idle();
}

bool HeadlessBackend::DropFiles(TForm& form, std::vector<std::string> paths) {
    if (!form.AcceptFiles()) return false;
    for (std::string& path : paths) {
        if (path.size() > kMaxDroppedPath) path.resize(kMaxDroppedPath);
    }
    std::uintptr_t id;
    {
        std::lock_guard lock(mutex_);
        id = ++nextDrop_;
        drops_[id] = std::move(paths);
    }
    form.Post(msg::DropFiles, id, 0);
    return true;
}

std::vector<std::string> HeadlessBackend::DroppedFiles(std::uintptr_t drop) {
    std::lock_guard lock(mutex_);
    const auto it = drops_.find(drop);
    if (it == drops_.end()) return {};
    std::vector<std::string> paths = std::move(it->second);
    drops_.erase(it);
    return paths;
}

// --- Modal things ---

int HeadlessBackend::RunModal(Application& app, TForm& form) {
    ShownRecord record;
    record.kind = ShownRecord::Kind::ModalForm;
    record.owner = dynamic_cast<const TForm*>(form.Owner());
    record.caption = form.Caption();
    record.form = &form;
    shown_.push_back(record);
    // A real modal loop runs the update rules as soon as it waits.
    app.Idle();
    int result = OnModal ? OnModal(form) : mrNone;
    if (result == mrNone) result = form.ModalResult();
    return result == mrNone ? mrCancel : result;
}

int HeadlessBackend::ShowMessageBox(const MessageBoxRequest& request) {
    ShownRecord record;
    record.kind = ShownRecord::Kind::MessageBox;
    record.owner = request.owner;
    record.text = request.text;
    record.caption = request.caption;
    record.icon = request.flags & mbIconMask;
    record.flags = request.flags;
    shown_.push_back(record);
    return OnMessageBox ? OnMessageBox(request) : DefaultAnswer(request.flags);
}

std::optional<std::string> HeadlessBackend::ExecuteOpenDialog(const OpenDialogRequest& request) {
    ShownRecord record;
    record.kind = ShownRecord::Kind::OpenDialog;
    record.owner = request.owner;
    record.title = request.title;
    record.filter = request.filter;
    shown_.push_back(record);
    return OnOpenDialog ? OnOpenDialog(request) : std::nullopt;
}

FolderChoice HeadlessBackend::BrowseForFolder(const FolderBrowseRequest& request) {
    ShownRecord record;
    record.kind = ShownRecord::Kind::FolderBrowser;
    record.owner = request.owner;
    record.title = request.title;
    FolderChoice choice = OnBrowseForFolder ? OnBrowseForFolder(request) : FolderChoice{};
    if (choice.outcome == FolderChoice::Chosen && !FolderBrowserAccepts(choice.path)) {
        record.refused = true;
        choice = FolderChoice{};
    }
    shown_.push_back(record);
    return choice;
}

// --- Shell ---

std::uintptr_t HeadlessBackend::SystemSmallImages() { return 0x5157; }

int HeadlessBackend::ShellSmallIconIndex(const std::string& name) {
    if (OnShellIconIndex) return OnShellIconIndex(name);
    const bool folder = !name.empty() && (name.back() == '\\' || name.back() == '/');
    return folder ? 1 : 2;
}

void HeadlessBackend::OpenUrl(const std::string& address) { openedUrls_.push_back(address); }

TRect HeadlessBackend::WorkArea() const { return {0, 0, 1024, 768}; }

}  // namespace ui
