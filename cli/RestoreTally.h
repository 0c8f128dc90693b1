// What a restoration did, counted from the worker's reports: the files begun
// with their bytes, and each failed item with its reason.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "FailedItem.h"

class TUnZipper;

namespace cli {

class RestoreTally {
public:
    // Sizes of a ZIP archive's items come from the open component; the files
    // of a folder backup are measured as they are named.
    explicit RestoreTally(TUnZipper* unzipper);

    // A progress report: a file begins (folder entries are not counted).
    void Begun(const std::string& name);
    void Failed(const std::string& name, const std::string& reason);

    std::uint64_t FilesBegun() const { return filesBegun_; }
    std::uint64_t BytesBegun() const { return bytesBegun_; }
    std::uint64_t TotalFiles() const { return totalFiles_; }  // 0 when unknown (a folder backup)
    std::uint64_t TotalBytes() const { return totalBytes_; }
    const std::string& Current() const { return current_; }
    // Files restored: begun and not failed; their bytes.
    std::uint64_t FilesRestored() const;
    std::uint64_t BytesRestored() const { return bytesBegun_ - bytesFailed_; }
    const std::vector<FailedItem>& FailedItems() const { return failed_; }

private:
    std::uint64_t SizeOf(const std::string& name) const;

    std::map<std::string, std::uint64_t> zipItemSizes_;
    bool fromZip_ = false;
    std::uint64_t totalFiles_ = 0;
    std::uint64_t totalBytes_ = 0;
    std::uint64_t filesBegun_ = 0;
    std::uint64_t bytesBegun_ = 0;
    std::uint64_t filesFailed_ = 0;
    std::uint64_t bytesFailed_ = 0;
    std::string current_;
    std::map<std::string, std::uint64_t> begunSizes_;  // of the files begun, for those that fail
    std::vector<FailedItem> failed_;
};

}  // namespace cli
