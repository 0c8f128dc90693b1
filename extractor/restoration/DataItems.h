// Every item of a backup's data, for a listing such as archive tools print:
// not only the top-level elements the window shows, but each file and folder
// below them with its size and date.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/CalendarTime.h"

struct DataItem {
    enum class Kind { File, Folder, Link };
    // Relative to the data, with the platform's separators; a folder's name
    // ends with the separator. ZIP items keep their stored name ("\" read as
    // "/"), unsafe ones included: a listing shows what is there.
    std::string name;
    Kind kind = Kind::File;
    std::uint64_t size = 0;
    std::optional<CalendarTime> modified;  // local time
    // ZIP items only.
    struct Zip {
        std::uint16_t method = 0;
        std::uint64_t compressedSize = 0;
        std::uint32_t crc32 = 0;
        bool encrypted = false;
    };
    std::optional<Zip> zip;
};

struct DataItems {
    std::vector<DataItem> items;
    // The ZIP archive's items come from its local headers (see TUnZipper).
    bool recovered = false;
    // Folders of a folder copy that could not be read, with what was listed
    // of them left out; each ends with the separator.
    std::vector<std::string> unreadFolders;
};

// The items of the data at dataPath (a folder ending with the separator, or a
// ZIP archive): a ZIP archive's items in directory order; a folder copy's
// entries depth first, each folder before its content, in the platform's
// listing order, links listed and not followed. Errors of reading the ZIP
// archive raise the ZIP component's exceptions.
DataItems ListDataItems(const std::string& dataPath);

// A ZIP compression method's name: "Stored", "Deflated", ..., "method N".
std::string CompressionMethodName(std::uint16_t method);
