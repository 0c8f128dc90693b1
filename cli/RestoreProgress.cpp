#include "RestoreProgress.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/Path.h"
#include "restoration/zip/ItemName.h"
#include "restoration/zip/TUnZipper.h"

namespace cli {
namespace {

constexpr std::size_t kLineWidth = 79;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

RestoreProgress::RestoreProgress(std::ostream& out, TUnZipper* unzipper) : out_(out), fromZip_(unzipper != nullptr) {
    if (!unzipper) return;
    for (int i = 0; i < unzipper->GetCount(); ++i) {
        TZipItem& item = unzipper->GetItem(i);
        const std::string name = platform::WithPlatformSeparators(zip::NormalisedItemName(item.FileName()));
        zipItemSizes_[name] = item.UncompressedSize();
    }
}

void RestoreProgress::FileBegun(const std::string& name) {
    if (platform::EndsWithSeparator(name)) return;  // a folder entry
    ++files_;
    if (fromZip_) {
        const auto found = zipItemSizes_.find(name);
        if (found != zipItemSizes_.end()) bytes_ += found->second;
    } else {
        std::error_code error;
        const auto size = std::filesystem::file_size(name, error);
        if (!error) bytes_ += size;
    }
    current_ = name;
    const auto now = std::chrono::steady_clock::now();
    if (!drawn_ || now - lastDrawn_ >= kRedrawInterval) {
        lastDrawn_ = now;
        Draw();
    }
}

void RestoreProgress::Draw() {
    char counts[64];
    std::snprintf(counts, sizeof counts, "%llu files, %.1f MiB  ", static_cast<unsigned long long>(files_),
                  static_cast<double>(bytes_) / (1024.0 * 1024.0));
    std::string line = counts;
    const std::size_t room = kLineWidth > line.size() ? kLineWidth - line.size() : 0;
    // Keep the end of a long name: it tells the file apart.
    line += current_.size() <= room ? current_ : "..." + current_.substr(current_.size() - room + 3);
    line.resize(kLineWidth, ' ');
    out_ << '\r' << line << std::flush;
    drawn_ = true;
}

void RestoreProgress::Finish() {
    if (!drawn_) return;
    out_ << '\r' << std::string(kLineWidth, ' ') << '\r' << std::flush;
    drawn_ = false;
}

}  // namespace cli
