// "restore --dry-run": what a restoration with these elements and destinations
// would do, found without writing anything.
#pragma once

#include <string>
#include <vector>

#include "Command.h"

class TUnZipper;

namespace cli {

struct RestorePlan {
    const std::vector<std::string>& elements;
    const std::vector<std::string>& destinations;  // one folder per element
    const std::string& archivePath;                // a folder copy's ends with the separator
    TUnZipper* unzipper;                           // the open archive of a ZIP backup
    bool clearFolders;
};

// Prints each file that would be written ("write PATH", or "replace PATH" when
// a file is there), each entry --clear-folders would delete ("delete PATH") and
// each item that would fail ("fail NAME: reason"); with json one object
// {"write": [...], "replace": [...], "delete": [...], "failed": [...]}.
// Returns 1 when some item would fail, else 0.
int PrintDryRun(const RestorePlan& plan, bool json, Console& console);

}  // namespace cli
