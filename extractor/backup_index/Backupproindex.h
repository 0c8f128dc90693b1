// The in-memory backup index and its elements, and the readers of the two
// index file forms (binary "LXBI" records and XML records).
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/File.h"

// A file or folder covered by a backup. Copies are deep: the copy owns its own exclusions.
class CBackupElement {
public:
    std::vector<std::string> exclusions;  // excluded names, in file order; duplicates stay
    std::string name;
    bool is_excluded = false;
};

// Raised when an XML index holds no usable "last_update" text. Callers tell it
// apart from other errors: it is not turned into a result code.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Result codes of the binary reader (the XML reader answers kNotAnXmlIndex internally).
enum IndexReadResult : std::int32_t {
    kIndexReadOk = 0,
    kIndexFileNotOpen = -1,     // no open file, or the seek to the start offset failed
    kIndexReadFailed = -2,      // a read operation failed (also: the XML reader's "not an index record")
    kIndexFileTooShort = -3,    // the file ended before a field was complete
    kIndexBadTextLength = -4,   // a text length above 4095 or below 0
    kIndexCannotOpen = -5,      // missing, no access, or opened by another process
    kIndexBadSignature = -6,    // the first four bytes are not "LXBI"
    kIndexNewerVersion = -7,    // format version above 100
};

// One backup index. Fields keep the order and initial values of the file model;
// a reader overwrites only what the file provides.
class VUvivuzOvuDodid {
public:
    VUvivuzOvuDodid() = default;
    VUvivuzOvuDodid(const VUvivuzOvuDodid&) = delete;
    VUvivuzOvuDodid& operator=(const VUvivuzOvuDodid&) = delete;

    std::string name = "New Item";
    std::vector<CBackupElement> elements;
    std::string include_mask = "*.*";
    std::string exclude_mask;
    bool apply_masks_to_folders = false;
    std::string device;
    std::string backup_folder;
    std::int32_t writing_speed = -1;
    std::int32_t compression_level = 2;
    bool use_timestamps = false;
    std::int32_t timestamps_using_method = 0;
    bool use_compression = true;
    double last_update = -1.0;  // days since 1899-12-30; -1.0 = none recorded
    std::int32_t version = 100;

    // Reader state of the binary form.
    std::optional<platform::File> file_handle;
    std::string file_name;

    // Fills the index from an XML index record: 0, or kIndexReadFailed when the
    // file is not such a record. Throws EConvertError for a bad "last_update".
    std::int32_t ImportXml(const std::string& fileName);
    // Fills the index from a binary index file: 0 or a negative IndexReadResult.
    std::int32_t ImportBinary(const std::string& fileName);

    // Archive naming (defined with the archive location code).
    std::string GetArchiveBaseName(double dateTime) const;
    std::string GetTimestampFolder(double dateTime) const;
};

// Reads an index file of unknown form: the XML form first, the binary form when
// that fails. Returns 0 or the binary reader's negative code; EConvertError passes through.
std::int32_t ImportIndexFile(VUvivuzOvuDodid& index, const std::string& fileName);
