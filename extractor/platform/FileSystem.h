// Questions and simple changes about files and folders by path. Narrow paths in
// the system's code page. Names avoid the Windows API's macro names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/CalendarTime.h"

namespace platform {

enum class EntryKind { None, File, Folder, Link };

// What is at the path. A symbolic link (Windows: any reparse point) is reported
// as Link, never as its target.
EntryKind KindOf(const std::string& path);

struct EntryFacts {
    std::uint64_t size = 0;                // a file's length; 0 for folders
    std::optional<CalendarTime> modified;  // last change, local time
};

// Size and time of what is at the path; a link is described itself, not its
// target. Nothing when the path cannot be asked about.
std::optional<EntryFacts> FactsOf(const std::string& path);

// True when a file or folder exists at the path (links are followed, as the
// Windows attribute query does).
bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);

// Creates one folder level; its parent must exist.
bool MakeFolder(const std::string& path);
// Removes an empty folder (or a link to a folder, never its target).
bool RemoveEmptyFolder(const std::string& path);
// Deletes a file or a link; a read-only file is not deleted.
bool RemoveFile(const std::string& path);

}  // namespace platform
