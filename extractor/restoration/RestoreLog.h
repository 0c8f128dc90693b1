// The log of a restoration as the user sees it: one failure line per failed
// file, in the order reported, and a last line that shows the file in hand while
// the restoration runs and the outcome once it has ended.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class RestoreLog {
public:
    // Gives message n of the main window's list (localisation::MainWindowMessage),
    // translated where a language file says so. The log uses 27 to 31.
    using MessageText = std::function<std::string(int number)>;
    explicit RestoreLog(MessageText messageText);

    void Clear();
    // The file about to be restored becomes the last line.
    void Progress(const std::string& itemName);
    // The last line becomes the failure line "*** " + name + " -- FAILED!", and a
    // copy of it stays below as the line of the file in hand.
    void ItemFailed(const std::string& itemName);
    // The outcome replaces the last line (or becomes the only one): a completed
    // restoration succeeded when no failure was reported, whether or not any file
    // was shown; cancels read "Operation canceled by user.".
    void Finished(std::uint32_t result);

    const std::vector<std::string>& Lines() const { return lines_; }
    int Failures() const { return failures_; }

private:
    MessageText text_;
    std::vector<std::string> lines_;
    int failures_ = 0;
};
