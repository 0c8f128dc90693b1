// Names of a backup's data: the index's name, optionally followed by the stamp
// of a date-time value, or placed in a folder named by that stamp.
#include "backup_index/ArchiveTimestamp.h"
#include "backup_index/Backupproindex.h"
#include "platform/Path.h"

namespace {

constexpr std::int32_t kStampAppended = 0;
constexpr std::int32_t kStampFolder = 1;

}  // namespace

std::string VUvivuzOvuDodid::GetArchiveBaseName(double dateTime) const {
    if (use_timestamps && timestamps_using_method == kStampAppended) return name + " " + FormatTimestamp(dateTime);
    return name;
}

std::string VUvivuzOvuDodid::GetTimestampFolder(double dateTime) const {
    if (use_timestamps && timestamps_using_method == kStampFolder) {
        return FormatTimestamp(dateTime) + platform::kPathSeparator;
    }
    return {};
}
