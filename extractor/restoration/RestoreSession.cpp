#include "restoration/RestoreSession.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "localisation/MessageLists.h"
#include "restoration/RestoreWorker.h"

namespace {

constexpr unsigned kWorkerEndWaitMilliseconds = 10000;
constexpr std::uint32_t kTerminatedExitCode = static_cast<std::uint32_t>(-1);

}  // namespace

RestoreSession::RestoreSession(RestoreLog::MessageText messageText)
    : stopEvent_(platform::ManualResetEvent::Create()), log_(std::move(messageText)) {}

RestoreSession::~RestoreSession() {
    // A worker still running must not outlive the job it reads.
    if (workerThread_) {
        Cancel();
        workerThread_.reset();
    }
}

int RestoreSession::Start(bool clearFolders, const std::vector<std::string>& elementNames,
                          const std::vector<std::string>& destinationFolders, const std::string& archivePath,
                          TUnZipper* unzipper, IRestoreReceiver& receiver, platform::ThreadPriority priority) {
    restoring_ = true;
    if (!stopEvent_) {
        restoring_ = false;
        return localisation::kMsgNoStopEvent;
    }
    job_ = TRestoreJob{};
    job_.ClearFolders = clearFolders;
    job_.ElementNames = &elementNames;
    job_.DestinationFolders = &destinationFolders;
    job_.ArchivePath = archivePath;
    job_.StopEvent = stopEvent_.get();
    job_.CancelRequested = &cancelRequested_;
    job_.Unzipper = unzipper;
    job_.MainForm = &receiver;

    stopEvent_->Reset();
    std::atomic_ref<std::int32_t>(cancelRequested_).store(0);
    log_.Clear();

    workerThread_ = platform::WorkerThread::Start([this] { return RestoreThreadProc(job_); }, priority);
    if (!workerThread_) {
        restoring_ = false;
        return localisation::kMsgCannotCreateThread;
    }
    return 0;
}

void RestoreSession::Cancel() {
    if (stopEvent_) stopEvent_->Signal();
    std::atomic_ref<std::int32_t>(cancelRequested_).store(1);
}

void RestoreSession::HandleProgress(const std::string& itemName) { log_.Progress(itemName); }

void RestoreSession::HandleItemFailed(const std::string& itemName) { log_.ItemFailed(itemName); }

void RestoreSession::HandleFinished(std::uint32_t result) {
    if (workerThread_ && !workerThread_->WaitFor(kWorkerEndWaitMilliseconds)) {
        workerThread_->Terminate(kTerminatedExitCode);
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    }
    log_.Finished(result);
    if (stopEvent_) stopEvent_->Reset();
    workerThread_.reset();
    restoring_ = false;
    std::atomic_ref<std::int32_t>(cancelRequested_).store(0);
}

void RestoreSession::Handle(const RestoreMessage& message) {
    switch (message.message) {
        case WM_RESTORE_PROGRESS: HandleProgress(message.name); break;
        case WM_RESTORE_ITEM_FAILED: HandleItemFailed(message.name); break;
        case WM_RESTORE_FINISHED: HandleFinished(message.result); break;
        default: break;
    }
}
