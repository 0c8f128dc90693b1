// The progress line of a restoration on a terminal: files begun, their bytes,
// and the file in hand, redrawn in place at most ten times a second.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>

class TUnZipper;

namespace cli {

class RestoreProgress {
public:
    // Sizes of a ZIP archive's items come from the open component; the files
    // of a folder backup are measured as they are named.
    RestoreProgress(std::ostream& out, TUnZipper* unzipper);

    void FileBegun(const std::string& name);
    // Removes the line.
    void Finish();

private:
    void Draw();

    std::ostream& out_;
    std::map<std::string, std::uint64_t> zipItemSizes_;
    bool fromZip_ = false;
    std::uint64_t files_ = 0;
    std::uint64_t bytes_ = 0;
    std::string current_;
    std::chrono::steady_clock::time_point lastDrawn_{};
    bool drawn_ = false;
};

}  // namespace cli
