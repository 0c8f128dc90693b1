// What locate, list and restore share: reading an index, reporting where its
// data is and which versions were found, and picking the data to work on.
#pragma once

#include <optional>
#include <string>

#include "Command.h"
#include "restoration/OpenIndex.h"

namespace cli {

// A path typed by the user in the platform's own form: on Windows "/" becomes
// "\", which the rest of the program takes as the only separator.
std::string NativePath(const std::string& path);

// The index path made absolute and native, so that the places shown do not
// depend on where the command was started; only native when that fails.
std::string AbsoluteIndexPath(const std::string& path);

// The date column of a version, as the window's version dialog shows it.
std::string VersionDateText(const ArchiveVersion& version);

// Writes the located data: {"expected", "exists", "versions"} with json,
// otherwise lines for people.
void WriteLocation(const LocatedArchive& located, bool json, Console& console);

// Opens the index and lists its data: the version picked by --version N
// (1-based, in the order WriteLocation numbers them: the data at its place
// first when it is there), otherwise the data at its expected place. Returns
// kExitOk with the listing filled, or the exit status after reporting why not:
// kExitIndexUnread for an index or archive that cannot be opened, and for data
// missing at its place when versions exist but none was picked (the versions
// are then written as WriteLocation does). A --version that names no version
// is a usage error.
int OpenArchiveListing(const std::string& indexPath, const std::optional<std::string>& version, bool json,
                       Console& console, ArchiveListing& listing);

}  // namespace cli
