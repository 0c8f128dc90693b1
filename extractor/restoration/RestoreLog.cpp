#include "restoration/RestoreLog.h"

#include "localisation/MessageLists.h"
#include "restoration/RestoreMessages.h"

using namespace localisation;

RestoreLog::RestoreLog(MessageText messageText) : text_(std::move(messageText)) {}

void RestoreLog::Clear() {
    lines_.clear();
    failures_ = 0;
}

void RestoreLog::Progress(const std::string& itemName) {
    if (lines_.empty()) {
        lines_.push_back(itemName);
    } else {
        lines_.back() = itemName;
    }
}

void RestoreLog::ItemFailed(const std::string& itemName) {
    // A progress report always comes first; without one the line in hand is empty.
    if (lines_.empty()) lines_.emplace_back();
    lines_.push_back(lines_.back());
    lines_[lines_.size() - 2] = "*** " + itemName + text_(kMsgFailedSuffix);
    ++failures_;
}

void RestoreLog::Finished(std::uint32_t result) {
    int outcome = kMsgCanceledByUser;
    if (result == rrCompleted) {
        // Failures are counted: a restoration that showed no file at all (only
        // empty folders) completed successfully too.
        outcome = failures_ == 0 ? kMsgCompletedSuccessfully : kMsgCompletedWithErrors;
    } else if (result == rrError) {
        outcome = kMsgAbortedDueToError;
    }
    if (lines_.empty()) {
        lines_.push_back(text_(outcome));
    } else {
        lines_.back() = text_(outcome);
    }
}
