// The in-memory backup index and its elements, and the readers of the two
// index file forms (binary "LXBI" records and XML records).
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/File.h"

namespace tinyxml2 {
class XMLElement;
}

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
    // file is not such a record (the index is then unchanged). Throws
    // EConvertError for a missing or bad "last_update"; "name" is set by then.
    std::int32_t ImportXml(const std::string& fileName);
    // Fills the index from the root element of an index record (XmlIndexReader.cpp
    // tells how attribute values are converted). Throws EConvertError as ImportXml does.
    void FillFromXmlRecord(const tinyxml2::XMLElement& root);

    // Fills the index from a binary index file: 0 or a negative IndexReadResult.
    // The file is opened without sharing, held in file_handle while it is read,
    // and closed in every case. Fields read before a failing read keep the file's
    // values, the failing field and those after it their earlier values.
    std::int32_t ImportBinary(const std::string& fileName);
    // Reads one binary record from file_handle, starting at an offset from the
    // beginning of the file: the number of bytes the record occupied, or a
    // negative IndexReadResult (kIndexFileNotOpen when there is no open file or the seek fails).
    std::int64_t ReadIndexRecord(std::int64_t startOffset);
    // Reads exactly count bytes from file_handle into target: 0, kIndexFileNotOpen,
    // kIndexReadFailed or kIndexFileTooShort. With isLengthRecord the four bytes
    // are a text length that must lie in 0..kMaxTextLength (else kIndexBadTextLength).
    std::int32_t ReadBlock(void* target, std::int32_t count, bool isLengthRecord);
    // Reads a length record and that many bytes through a 4096-byte work buffer;
    // the text ends at the first zero byte. On failure target is unchanged.
    std::int32_t ReadText(std::string& target);

    static constexpr std::int32_t kMaxTextLength = 4095;
    static constexpr std::int32_t kNewestVersion = 100;

    // Archive naming (defined in ArchiveNaming.cpp).
    std::string GetArchiveBaseName(double dateTime) const;
    std::string GetTimestampFolder(double dateTime) const;
};

// Reads an index file of unknown form: the XML form first, the binary form when
// that fails. Returns 0 or the binary reader's negative code; EConvertError passes through.
std::int32_t ImportIndexFile(VUvivuzOvuDodid& index, const std::string& fileName);
