// Opening an archive without its central directory: the file is read from its
// start for local file headers, each giving one item. Used only when the
// directory is missing or cannot be trusted.
#pragma once

#include <vector>

#include "restoration/zip/ArchiveReader.h"
#include "restoration/zip/ZipDirectory.h"

namespace zip {

// The items found, in file order; a name found more than once keeps only its
// last occurrence (an archive updated in place appends newer copies). An item
// whose data could not be delimited, or runs past the end of the file, is
// listed all the same so that extracting it reports it: the first has
// EntryRecord::dataLost set, the second fails where its data is located.
// After a header that is not plausible, or data that cannot be delimited, the
// scan goes on at the next local header signature.
std::vector<DirectoryEntry> ScanLocalHeaders(ArchiveReader& reader);

}  // namespace zip
