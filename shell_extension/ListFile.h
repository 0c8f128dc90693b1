// The list file that hands the selection to the burning application.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ombrix {

// Creates a new list file with a name of the platform's choosing (prefix "SHL",
// extension .TMP) in the first of folders where that works, and writes each
// entry followed by a line feed, nothing else. An earlier list file is never
// replaced. Returns the file's full path, or nothing when no folder would take it;
// a file that could not be written completely is removed.
std::optional<std::string> WriteListFile(const std::vector<std::string>& folders,
                                         const std::vector<std::string>& entries);

// The user's temporary folder, ending with a separator; empty when unknown.
std::string UserTempFolder();

}  // namespace ombrix
