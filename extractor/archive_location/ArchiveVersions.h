// The search for versions of a backup's data beside its index, for when nothing
// is at the expected place. The search is pure: it returns the versions in the
// order found, and the caller lets the user choose one (a dialog, an option).
#pragma once

#include <string>
#include <vector>

#include "backup_index/DateTimeValue.h"

struct ArchiveVersion {
    // Relative to the index's folder; ends with the separator for a folder copy,
    // otherwise it names a ZIP archive.
    std::string location;
    // Year, month, day, hour and minute of the location's stamp as read, not
    // checked; all zero when the location carries no stamp.
    CalendarTime stamp;
};

// Searches the index folder (ending with the separator) for versions of the
// data named baseName, in this order:
//   1. B.zip                          (no stamp)
//   2. files "B ????-??-??_??-??.zip"
//   3. folders "????-??-??_??-??" that hold B.zip
//   4. folders "B\????-??-??_??-??"
//   5. the folder B\, only when step 4 found nothing (no stamp)
//   6. folders "B ????-??-??_??-??"
// Patterns match without regard to case, hidden and system entries included,
// each step in the listing order of the platform. A name whose stamp fields are
// not all digits is left out.
//
// Steps 3, 4 and 6 rebuild the stamp text from the numbers read. When they form
// no valid date and time (month 13, 30 February, hour 24, year 0) no stamp can be
// rebuilt; such a version is listed under the name found, as step 2 does, and
// its date reads as unknown.
//
// A folder that cannot be read finds nothing and the search goes on; an
// unexpected failure (memory) ends the search with what was found until then.
std::vector<ArchiveVersion> FindArchiveVersions(const std::string& indexFolder, const std::string& baseName);

// The date column of a version: the stamp as a long date, a blank and the time
// without seconds in the user's locale; unknownText ("Unknown", message 19 of
// the main window) when the stamp is all zero or the platform refuses the date
// or time (30 February, month 13, hour 24).
std::string ArchiveVersionDateText(const CalendarTime& stamp, const std::string& unknownText);
