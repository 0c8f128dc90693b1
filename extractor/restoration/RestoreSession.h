// One front end's side of restorations: starting the worker, cancelling it and
// turning its messages into the log, then waiting for it and returning to idle.
// The main window and the command line both drive restorations through it; the
// window maps its actions and its three message handlers onto these calls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Event.h"
#include "platform/Thread.h"
#include "restoration/RestoreJob.h"
#include "restoration/RestoreLog.h"

class TUnZipper;

class RestoreSession {
public:
    // Creates the stop event (not signalled); a session without one cannot start.
    explicit RestoreSession(RestoreLog::MessageText messageText);
    ~RestoreSession();
    RestoreSession(const RestoreSession&) = delete;
    RestoreSession& operator=(const RestoreSession&) = delete;

    // Starts a restoration: fills the job, resets the stop event and the cancel
    // flag, clears the log and starts the worker, at below-normal priority unless
    // told otherwise (a command line has no window to keep responsive). The
    // lists, the unzipper and the receiver must stay unchanged until the finished
    // message has been handled. Returns 0, or the number of the main window's
    // message that says why nothing started, 25 or 26 (the session is idle again then).
    int Start(bool clearFolders, const std::vector<std::string>& elementNames,
              const std::vector<std::string>& destinationFolders, const std::string& archivePath,
              TUnZipper* unzipper, IRestoreReceiver& receiver,
              platform::ThreadPriority priority = platform::ThreadPriority::BelowNormal);

    // Asks the worker to stop: the stop event first, then the cancel flag.
    void Cancel();

    // The handlers of the worker's three messages, on the front end's thread.
    void HandleProgress(const std::string& itemName);
    void HandleItemFailed(const std::string& itemName);
    // Waits at most 10 seconds for the worker to end (then ends it forcibly and
    // waits one more second), writes the outcome and returns to idle.
    void HandleFinished(std::uint32_t result);
    // Dispatches a queued report to the handler of its message.
    void Handle(const RestoreMessage& message);

    bool Restoring() const { return restoring_; }
    bool HasStopEvent() const { return stopEvent_ != nullptr; }
    RestoreLog& Log() { return log_; }
    const RestoreLog& Log() const { return log_; }

private:
    std::unique_ptr<platform::ManualResetEvent> stopEvent_;
    std::int32_t cancelRequested_ = 0;
    TRestoreJob job_;
    std::unique_ptr<platform::WorkerThread> workerThread_;
    bool restoring_ = false;
    RestoreLog log_;
};
