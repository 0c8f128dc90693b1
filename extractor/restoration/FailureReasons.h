// Why an item of a restoration failed, in plain words. The window's log names
// only the item; the command line shows these reasons beside it.
#pragma once

#include <string>

#include "restoration/zip/TUnZipper.h"

// A ZIP item's failure as the extraction classed it; systemText, the system's
// words for a failed write or create (TUnZipper::FailureSystemText), is added.
std::string ZipFailureReason(TErrorClass errorClass, int code, const std::string& systemText = {});

// A file of a folder copy that could not be copied to target; called at once
// after the failure, while the system's last error is still the copy's.
std::string FileCopyFailureReason(const std::string& target);

// A folder of a folder copy whose target folder is missing or no folder.
std::string FolderTargetFailureReason(const std::string& folder);

// A ZIP item that no element claimed: its name was refused by the listing.
inline constexpr const char* kRefusedNameReason = "refused: the name leaves the destination folder";
