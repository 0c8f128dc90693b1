// Where the data of a backup index is expected: six layouts, from the index's
// compression setting and the way its data carries a time stamp.
//
//   compressed, no stamp        "B.zip"
//   compressed, stamp appended  "B S.zip"
//   compressed, stamp folder    "S/B.zip"
//   folder copy, no stamp       "B/"
//   folder copy, stamp appended "B S/"
//   folder copy, stamp folder   "B/S/"
//
// ("/" standing for the platform's separator.)
// B is the index's name, S the stamp of its last update; a timestamps method
// other than 0 (appended) and 1 (folder) counts as no stamp.
#pragma once

#include <string>

class VUvivuzOvuDodid;

// The location relative to the index's folder (the index path up to and
// including its last separator). It ends with the separator for a folder copy
// and with ".zip" for a ZIP archive.
std::string GetExpectedArchivePath(const VUvivuzOvuDodid& index);
