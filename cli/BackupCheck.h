// Reading every item of a backup's data as a restoration would, writing
// nothing: each ZIP item decoded and checked (sizes, CRC-32), each file of a
// folder copy read to its end.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ProgressLine.h"

namespace cli {

struct BadItem {
    std::string name;    // as the restoration's log names it
    std::string reason;
};

struct CheckReport {
    std::uint64_t checked = 0;  // files (folder entries are not counted)
    std::uint64_t good = 0;
    std::uint64_t bytes = 0;    // bytes read of the good ones
    std::vector<BadItem> bad;
    bool recovered = false;     // a ZIP archive read from its local headers
    bool cancelled = false;
};

// Told before each file is read: the files and bytes read so far, the totals
// where known (a ZIP archive's), and the file.
using CheckProgress = std::function<void(const Progress&)>;

// Throws EArchiveException when the archive cannot be opened at all.
CheckReport CheckZipArchive(const std::string& archive, const std::function<bool()>& interrupted,
                            const CheckProgress& progress = {});
// folder ends with the separator; a file or folder that cannot be read is a bad item.
CheckReport CheckFolderCopy(const std::string& folder, const std::function<bool()>& interrupted,
                            const CheckProgress& progress = {});

}  // namespace cli
