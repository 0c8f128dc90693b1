// Opening a backup index up to the list of things to restore: read the index,
// find its data at the expected place or among its versions, and list the data's
// top-level entries with a default destination each. The front end shows the
// choice of a version and the list; the core does the rest.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "archive_location/ArchiveVersions.h"

class TUnZipper;

// Result codes of opening an index, beside the index readers' -1 to -7.
enum OpenIndexResult : std::int32_t {
    kOpenIndexOk = 0,
    kOpenIndexMissing = -101,     // nothing exists at the index path
    kOpenNoArchive = -102,        // no data and no version of it found
    kOpenArchiveEmpty = -103,     // the folder or ZIP archive holds no entries
    kOpenNoUnzipper = -104,       // the listing unzipper cannot be created
};

// When the versions beside an index are searched: the window offers them only
// for data missing at its place; the command line lists them always.
enum class VersionSearch { kWhenDataMissing, kAlways };

struct LocatedArchive {
    std::string indexFolder;   // the index path up to and including its last separator
    std::string baseName;      // the index's name
    std::string expectedPath;  // index folder + the expected location
    bool expectedExists = false;
    // In search order. With VersionSearch::kAlways and the data at its place,
    // the first is that data (currentFirst), and the search does not list it
    // a second time.
    std::vector<ArchiveVersion> versions;
    bool currentFirst = false;
};

// Reads the index and locates its data: 0, kOpenIndexMissing, or the reader's
// code. The reader's conversion error (EConvertError) passes through.
std::int32_t LocateArchive(const std::string& indexPath, LocatedArchive& located,
                           VersionSearch search = VersionSearch::kWhenDataMissing);

struct ArchiveListing {
    // A folder path ending with the separator, or the path of a ZIP archive.
    std::string archivePath;
    // Top-level entries: folders (ending with the separator) first, then files.
    std::vector<std::string> elementNames;
    // One per element, each the default destination.
    std::vector<std::string> destinationFolders;
    std::string defaultDestination;
    // The ZIP archive's central directory could not be used: its items were
    // read from their local headers.
    bool recovered = false;
};

// The user's documents folder with the separator appended.
std::string DefaultDestination();

// Lists the data at archivePath: 0, kOpenArchiveEmpty or kOpenNoUnzipper.
// A folder archive lists its subfolders, then its files, each group in listing
// order, hidden and system entries included. A ZIP archive lists the top-level
// folders of its items, each once, then its top-level files, each as often as
// it occurs; "\" in stored names counts as "/", and an item whose first part is
// empty, "." or ".." is not listed (no element may name the destination itself
// or its parent). Errors of reading the ZIP archive raise the ZIP component's
// exceptions.
std::int32_t ListArchive(const std::string& archivePath, ArchiveListing& listing);

// Chooses among the versions found (located.versions, not empty): returns the
// chosen version's full path (index folder + location), "/" when the user
// cancelled, "" for none.
using ArchiveVersionChooser = std::function<std::string(const LocatedArchive& located)>;

// The one road from an index path to a listed archive, for every front end:
// locate, let the chooser pick a version when the data is not at its expected
// place (kOpenNoArchive when there is none), or with VersionSearch::kAlways
// whatever the data's place, then list. A cancelled choice
// returns 0 with cancelled set and the listing untouched. listedPath, when
// given, receives the path being listed, so that an error raised while
// listing can name it.
std::int32_t OpenIndexFile(const std::string& indexPath, const ArchiveVersionChooser& choose,
                           ArchiveListing& listing, bool& cancelled, std::string* listedPath = nullptr,
                           VersionSearch search = VersionSearch::kWhenDataMissing);
