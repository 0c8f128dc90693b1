// list --files: every item of a backup's data in a table like archive tools
// print, or as JSON.
#pragma once

#include <string>

#include "Command.h"
#include "restoration/DataItems.h"

namespace cli {

// Writes the items of the data at dataPath; kExitItemsFailed when folders of
// a folder copy could not be read (each named on standard error), else kExitOk.
int WriteItemListing(const std::string& dataPath, const DataItems& list, bool json, Console& console);

}  // namespace cli
