// The one progress line of extract, restore and verify on a terminal: files
// done of all, bytes done of all with a percentage, the rate, the time left and
// the item in hand, cut to the terminal's width. Redrawn in place at most ten
// times a second; erased by Clear() and when it goes.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace cli {

struct Progress {
    std::uint64_t files = 0;
    std::uint64_t totalFiles = 0;  // 0: unknown, only the files done are shown
    std::uint64_t bytes = 0;
    std::uint64_t totalBytes = 0;  // 0: unknown
    std::string item;
};

// The text of the line for a terminal of the given width (never wider than
// width - 1, so that the cursor stays on the line); elapsed is the time since
// the start, for the rate.
std::string ProgressText(const Progress& progress, std::chrono::duration<double> elapsed, unsigned width);

class ProgressLine {
public:
    // Draws nothing unless enabled (standard error is a terminal, no --json).
    ProgressLine(std::ostream& err, bool enabled);
    ~ProgressLine() { Clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void Show(const Progress& progress, bool force = false);
    void Clear();

private:
    std::ostream& err_;
    bool enabled_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastDrawn_{};
    std::size_t drawnWidth_ = 0;
};

}  // namespace cli
