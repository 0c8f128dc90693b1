#include "RestoreTally.h"

#include <filesystem>
#include <system_error>

#include "platform/Path.h"
#include "restoration/zip/ItemName.h"
#include "restoration/ZipRestore.h"
#include "restoration/zip/TUnZipper.h"

namespace cli {

RestoreTally::RestoreTally(TUnZipper* unzipper) : fromZip_(unzipper != nullptr) {
    if (!unzipper) return;
    for (int i = 0; i < unzipper->GetCount(); ++i) {
        TZipItem& item = unzipper->GetItem(i);
        const std::string name = platform::WithPlatformSeparators(zip::NormalisedItemName(item.FileName()));
        if (platform::EndsWithSeparator(name)) continue;
        zipItemSizes_[name] = item.UncompressedSize();
        ++totalFiles_;
        totalBytes_ += item.UncompressedSize();
    }
}

std::uint64_t RestoreTally::SizeOf(const std::string& name) const {
    if (fromZip_) {
        const auto found = zipItemSizes_.find(name);
        return found != zipItemSizes_.end() ? found->second : 0;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(name, error);
    return error ? 0 : size;
}

void RestoreTally::Begun(const std::string& name) {
    if (platform::EndsWithSeparator(name)) return;
    const std::uint64_t size = SizeOf(name);
    ++filesBegun_;
    bytesBegun_ += size;
    begunSizes_[name] = size;
    current_ = name;
}

void RestoreTally::Failed(const std::string& name, const std::string& reason) {
    failed_.push_back({name, reason});
    if (const auto found = begunSizes_.find(name); found != begunSizes_.end()) {
        ++filesFailed_;
        bytesFailed_ += found->second;
        begunSizes_.erase(found);
    }
}

std::uint64_t RestoreTally::FilesRestored() const { return filesBegun_ - filesFailed_; }

}  // namespace cli
