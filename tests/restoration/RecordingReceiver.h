// A receiver that records the worker's messages, for tests that run the worker
// on their own thread. An optional hook runs on each progress report, as a user
// pressing Cancel at that moment would.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "restoration/RestoreMessages.h"

class RecordingReceiver : public IRestoreReceiver {
public:
    void RestoreProgress(std::string itemName) override {
        messages.push_back(RestoreMessage{WM_RESTORE_PROGRESS, 0, itemName});
        if (onProgress) onProgress(itemName);
    }
    void RestoreItemFailed(std::string itemName) override {
        messages.push_back(RestoreMessage{WM_RESTORE_ITEM_FAILED, 0, std::move(itemName)});
    }
    void RestoreFinished(TRestoreResult result) override {
        messages.push_back(RestoreMessage{WM_RESTORE_FINISHED, result, {}});
    }

    std::vector<std::string> Names(unsigned message) const {
        std::vector<std::string> names;
        for (const auto& m : messages) {
            if (m.message == message) names.push_back(m.name);
        }
        return names;
    }
    std::vector<std::string> Progress() const { return Names(WM_RESTORE_PROGRESS); }
    std::vector<std::string> Failures() const { return Names(WM_RESTORE_ITEM_FAILED); }
    int FinishedCount() const { return static_cast<int>(Names(WM_RESTORE_FINISHED).size()); }

    std::vector<RestoreMessage> messages;
    std::function<void(const std::string&)> onProgress;
};
