// Listing the entries of one folder through a wildcard pattern, as the search
// for archive versions, the start-up scan, clearing and copying need it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct FolderEntry {
    std::string name;       // without its folder
    bool isFolder = false;  // a folder, or a link that Windows would report as one
    bool isLink = false;    // a symbolic link, junction or other reparse point
};

// The entries of the folder named by the path's last part's parent whose names
// match the pattern in the path's last part ("C:\x\*.lxi", "/x/Docs ????"), in the
// order described below. Hidden and system entries are included; "." and ".."
// never are. A folder that does not exist or cannot be read gives nothing;
// opened, when given, tells that case (false) from a folder with no match.
//
// Order: Windows keeps the file system's own order (NTFS returns names sorted).
// On POSIX a directory read comes in no useful order, so the names are sorted
// the way NTFS sorts them: by their upper-cased bytes (ASCII case folding), names
// that differ only in case by their raw bytes.
std::vector<FolderEntry> FindEntries(const std::string& pathPattern, bool* opened = nullptr);

// Wildcard matching used on every platform: "*" matches any run of characters,
// "?" exactly one, everything else itself without regard to ASCII case. The
// pattern "*.*" matches every name, as it does on Windows. Windows' own matching
// is wider (it also tries short 8.3 names and lets "?" match nothing before a dot
// or at the end), so its results are filtered through this function too.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

// The NTFS-like ordering used for POSIX listings.
bool NameOrderLess(std::string_view a, std::string_view b);

}  // namespace platform
