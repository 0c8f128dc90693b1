// How the restoration worker reports: a message before each file, one for each
// failure and one with its result at the end. A receiver decides where they go:
// the main window posts them as window messages, the command line shows a
// progress line, tests record them.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

// The worker's result and its thread's exit code.
enum TRestoreResult : std::uint32_t {
    rrCompleted = 0,               // ran to its end, whether or not some files failed
    rrCancelledWhileClearing = 1,  // stopped after clearing; nothing was restored
    rrCancelledWhileCopying = 2,   // stopped while a folder backup was copied
    rrAborted = 3,                 // the ZIP extraction was aborted by a cancel
    rrError = 4,                   // the ZIP extraction ended with an error
};

// The window messages that carry the reports (WM_USER + 1 to 3).
inline constexpr unsigned WM_RESTORE_FINISHED = 1025;
inline constexpr unsigned WM_RESTORE_PROGRESS = 1026;
inline constexpr unsigned WM_RESTORE_ITEM_FAILED = 1027;

// Where the worker's messages go. Called on the worker thread; every call must
// return without waiting for the receiving side. Each report carries its own
// copy of the name, so that no text is shared between the threads.
class IRestoreReceiver {
public:
    virtual ~IRestoreReceiver() = default;
    // Before a file is restored: a folder backup's full source path, or a ZIP
    // item's name below its destination folder.
    virtual void RestoreProgress(std::string itemName) = 0;
    // After a file failed, named as in its progress report.
    virtual void RestoreItemFailed(std::string itemName) = 0;
    // Exactly once, as the worker's last action.
    virtual void RestoreFinished(TRestoreResult result) = 0;
    // Just before a RestoreItemFailed, or a RestoreFinished with rrError: why,
    // in plain words. The window's log shows no reasons and ignores it.
    virtual void RestoreFailureReason(std::string /*reason*/) {}
};

// One report as it was sent: the message number, the result for
// WM_RESTORE_FINISHED and the name for the other two; the reason given for a
// failure or an error, if any.
struct RestoreMessage {
    unsigned message = 0;
    std::uint32_t result = 0;
    std::string name;
    std::string reason{};
};

// A receiver that keeps the reports in the order sent and calls a notifier for
// each one after it is queued. A window's notifier posts the window message and
// its handler takes the report at the head of the queue; as both keep their
// order, every handler finds the name that was sent with its own message.
class RestoreMessageQueue : public IRestoreReceiver {
public:
    using Notifier = std::function<void(const RestoreMessage&)>;
    explicit RestoreMessageQueue(Notifier notify = {});

    void RestoreProgress(std::string itemName) override;
    void RestoreItemFailed(std::string itemName) override;
    void RestoreFinished(TRestoreResult result) override;
    void RestoreFailureReason(std::string reason) override;

    // The oldest report not taken yet, if any.
    std::optional<RestoreMessage> Take();
    // The same, waiting at most the given time for one to arrive.
    std::optional<RestoreMessage> WaitAndTake(unsigned milliseconds);

private:
    void Push(RestoreMessage message);

    Notifier notify_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<RestoreMessage> queue_;
    std::string pendingReason_;  // the worker's thread alone uses it
};
