#include "restoration/RestoreMessages.h"

#include <chrono>
#include <utility>

RestoreMessageQueue::RestoreMessageQueue(Notifier notify) : notify_(std::move(notify)) {}

void RestoreMessageQueue::RestoreProgress(std::string itemName) {
    Push(RestoreMessage{WM_RESTORE_PROGRESS, 0, std::move(itemName)});
}

void RestoreMessageQueue::RestoreItemFailed(std::string itemName) {
    Push(RestoreMessage{WM_RESTORE_ITEM_FAILED, 0, std::move(itemName), std::exchange(pendingReason_, {})});
}

void RestoreMessageQueue::RestoreFinished(TRestoreResult result) {
    Push(RestoreMessage{WM_RESTORE_FINISHED, result, {}, std::exchange(pendingReason_, {})});
}

void RestoreMessageQueue::RestoreFailureReason(std::string reason) { pendingReason_ = std::move(reason); }

void RestoreMessageQueue::Push(RestoreMessage message) {
    std::optional<RestoreMessage> copy;
    if (notify_) copy = message;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(message));
    }
    arrived_.notify_one();
    if (copy) notify_(*copy);
}

std::optional<RestoreMessage> RestoreMessageQueue::Take() { return WaitAndTake(0); }

std::optional<RestoreMessage> RestoreMessageQueue::WaitAndTake(unsigned milliseconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!arrived_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return !queue_.empty(); })) {
        return std::nullopt;
    }
    RestoreMessage message = std::move(queue_.front());
    queue_.pop_front();
    return message;
}
