// The one place that decides whether an item's name may be written and where:
// the name is split into plain levels, "/" and "\" both counting as separators,
// and refused when it could reach outside the base directory or name
// something other than a file or folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zip {

enum class NameRules {
    Posix,    // refuses what is unsafe anywhere
    Windows,  // also ":" (streams), device names, characters and endings Windows changes or rejects
};

// The rules of the platform we run on.
NameRules PlatformNameRules();

enum class NameProblem {
    None,
    Empty,             // nothing to write
    BadCharacter,      // a NUL byte; on Windows also control characters and < > " | ? *
    MixedSeparators,   // both "/" and "\" in one name
    Absolute,          // begins with a separator: root, UNC or device path
    DriveLetter,       // begins with "X:"
    ParentReference,   // a ".." level
    StreamOrColon,     // Windows: ":" in a level (alternate data stream, drive-relative path)
    ReservedName,      // Windows: CON, PRN, AUX, NUL, COM1-9, LPT1-9, CONIN$, CONOUT$
    TrailingDotOrSpace // Windows: a level ending with "." or " " (Windows drops them)
};

struct ItemPath {
    std::vector<std::string> folders;  // levels of folders below the base
    std::string file;                  // last level; empty for a folder entry
    bool IsFolder() const { return file.empty(); }
};

// The item's stored name with "\" read as "/" (some archivers store the other one).
std::string NormalisedItemName(std::string_view fileName);

// Splits name into levels; "." levels and empty levels ("a//b") are dropped.
// A name that ends with a separator is a folder entry. Returns nothing (and
// the reason in problem) when the name is refused.
std::optional<ItemPath> CanonicalItemPath(std::string_view name, NameRules rules, NameProblem* problem = nullptr);

}  // namespace zip
