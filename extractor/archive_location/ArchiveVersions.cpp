#include "archive_location/ArchiveVersions.h"

#include <exception>

#include "backup_index/ArchiveTimestamp.h"
#include "platform/DateTimeText.h"
#include "platform/FileSystem.h"
#include "platform/FolderEntries.h"
#include "platform/Path.h"

namespace {

constexpr char kSep = platform::kPathSeparator;

// "????-??-??_??-??" spelt so that the source holds no trigraph.
const std::string kStampPattern = "\?\?\?\?-\?\?-\?\?_\?\?-\?\?";

// The stamp text rebuilt from the numbers read, or the text found when those
// numbers make no valid date and time.
std::string RebuiltStamp(const CalendarTime& stamp, const std::string& found) {
    return IsValidCalendarTime(stamp) ? FormatTimestamp(stamp) : found;
}

class VersionSearch {
public:
    VersionSearch(const std::string& folder, const std::string& base) : folder_(folder), base_(base) {}

    void Run() {
        PlainArchive();
        StampedArchives();
        ArchivesInStampFolders();
        const bool stampFoldersFound = StampFoldersInPlainFolder();
        if (!stampFoldersFound) PlainFolder();
        StampedFolders();
    }

    std::vector<ArchiveVersion>& versions() { return versions_; }

private:
    void Add(std::string location, const CalendarTime& stamp = {}) {
        versions_.push_back(ArchiveVersion{std::move(location), stamp});
    }

    // 1. B.zip
    void PlainArchive() {
        if (platform::PathExists(folder_ + base_ + ".zip")) Add(base_ + ".zip");
    }

    // 2. "B ????-??-??_??-??.zip", listed under its own name.
    void StampedArchives() {
        for (const auto& entry : platform::FindEntries(folder_ + base_ + " " + kStampPattern + ".zip")) {
            if (entry.isFolder) continue;
            const std::size_t prefix = base_.size() + 1;
            if (entry.name.size() < prefix + 4) continue;
            CalendarTime stamp;
            if (ParseTimestamp(entry.name.substr(prefix, entry.name.size() - prefix - 4), stamp)) {
                Add(entry.name, stamp);
            }
        }
    }

    // 3. Stamp folders that hold B.zip.
    void ArchivesInStampFolders() {
        for (const auto& entry : platform::FindEntries(folder_ + kStampPattern)) {
            if (!entry.isFolder) continue;
            CalendarTime stamp;
            if (platform::PathExists(folder_ + entry.name + kSep + base_ + ".zip") &&
                ParseTimestamp(entry.name, stamp)) {
                Add(RebuiltStamp(stamp, entry.name) + kSep + base_ + ".zip", stamp);
            }
        }
    }

    // 4. Stamp folders inside the folder B. True when one was found.
    bool StampFoldersInPlainFolder() {
        bool found = false;
        for (const auto& entry : platform::FindEntries(folder_ + base_ + kSep + kStampPattern)) {
            CalendarTime stamp;
            if (!entry.isFolder || !ParseTimestamp(entry.name, stamp)) continue;
            Add(base_ + kSep + RebuiltStamp(stamp, entry.name) + kSep, stamp);
            found = true;
        }
        return found;
    }

    // 5. The folder B itself.
    void PlainFolder() {
        if (platform::PathExists(folder_ + base_)) Add(base_ + kSep);
    }

    // 6. "B ????-??-??_??-??" folders. The name's own first part is kept, so that a
    // match found without regard to case names the folder on every file system.
    void StampedFolders() {
        for (const auto& entry : platform::FindEntries(folder_ + base_ + " " + kStampPattern)) {
            if (!entry.isFolder) continue;
            const std::size_t prefix = base_.size() + 1;
            if (entry.name.size() < prefix) continue;
            const std::string found = entry.name.substr(prefix);
            CalendarTime stamp;
            if (ParseTimestamp(found, stamp)) {
                Add(entry.name.substr(0, prefix) + RebuiltStamp(stamp, found) + kSep, stamp);
            }
        }
    }

    const std::string& folder_;
    const std::string& base_;
    std::vector<ArchiveVersion> versions_;
};

}  // namespace

std::vector<ArchiveVersion> FindArchiveVersions(const std::string& indexFolder, const std::string& baseName) {
    VersionSearch search(indexFolder, baseName);
    try {
        search.Run();
    } catch (const std::exception&) {
        // Out of memory or the like: offer what was found until then.
    }
    return std::move(search.versions());
}

std::string ArchiveVersionDateText(const CalendarTime& stamp, const std::string& unknownText) {
    if (stamp.year == 0) return unknownText;
    return platform::FormatLongDateAndTime(stamp).value_or(unknownText);
}
