// The binary index form: "LXBI", a format version, then the fields one after
// another (little-endian int32 and double, one-byte flags, texts as an int32
// length and that many bytes). Read field by field from the open file.
#include <array>
#include <cstring>

#include "backup_index/Backupproindex.h"

namespace {

constexpr char kSignature[4] = {'L', 'X', 'B', 'I'};

std::int32_t DecodeInt32(const unsigned char* bytes) {
    const std::uint32_t value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                                static_cast<std::uint32_t>(bytes[2]) << 16 |
                                static_cast<std::uint32_t>(bytes[3]) << 24;
    return static_cast<std::int32_t>(value);
}

double DecodeDouble(const unsigned char* bytes) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | bytes[i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Closes the index's file when the reading ends, also by an exception.
class CloseOnExit {
public:
    explicit CloseOnExit(std::optional<platform::File>& file) : file_(file) {}
    ~CloseOnExit() { file_.reset(); }
    CloseOnExit(const CloseOnExit&) = delete;
    CloseOnExit& operator=(const CloseOnExit&) = delete;

private:
    std::optional<platform::File>& file_;
};

// Typed reads on top of ReadBlock. Each assigns its target only when the read
// succeeded, so a field whose read fails keeps its earlier value.
class FieldReader {
public:
    explicit FieldReader(VUvivuzOvuDodid& index) : index_(index) {}

    std::int32_t Int32(std::int32_t& target) {
        unsigned char bytes[4];
        const std::int32_t code = index_.ReadBlock(bytes, 4, false);
        if (code == 0) target = DecodeInt32(bytes);
        return code;
    }

    std::int32_t Flag(bool& target) {
        unsigned char byte;
        const std::int32_t code = index_.ReadBlock(&byte, 1, false);
        if (code == 0) target = byte != 0;
        return code;
    }

    std::int32_t DateTime(double& target) {
        unsigned char bytes[8];
        const std::int32_t code = index_.ReadBlock(bytes, 8, false);
        if (code == 0) target = DecodeDouble(bytes);
        return code;
    }

    std::int32_t Text(std::string& target) { return index_.ReadText(target); }

private:
    VUvivuzOvuDodid& index_;
};

// Reads one element record into a fresh element.
std::int32_t ReadElement(FieldReader& read, CBackupElement& element) {
    if (std::int32_t code = read.Text(element.name)) return code;
    if (std::int32_t code = read.Flag(element.is_excluded)) return code;
    std::int32_t exclusionCount = 0;
    if (std::int32_t code = read.Int32(exclusionCount)) return code;
    for (std::int32_t i = 0; i < exclusionCount; ++i) {
        std::string exclusion;
        if (std::int32_t code = read.Text(exclusion)) return code;
        element.exclusions.push_back(std::move(exclusion));
    }
    return 0;
}

}  // namespace

std::int32_t VUvivuzOvuDodid::ImportBinary(const std::string& fileName) {
    file_name = fileName;
    CloseOnExit closer(file_handle);
    file_handle = platform::File::OpenExclusiveForReading(fileName);
    if (!file_handle) return kIndexCannotOpen;
    const std::int64_t result = ReadIndexRecord(0);
    return result >= 0 ? kIndexReadOk : static_cast<std::int32_t>(result);
}

std::int64_t VUvivuzOvuDodid::ReadIndexRecord(std::int64_t startOffset) {
    if (!file_handle || !file_handle->IsOpen() || !file_handle->Seek(startOffset)) return kIndexFileNotOpen;
    FieldReader read(*this);

    char signature[4];
    if (std::int32_t code = ReadBlock(signature, 4, false)) return code;
    if (std::memcmp(signature, kSignature, 4) != 0) return kIndexBadSignature;

    if (std::int32_t code = read.Int32(version)) return code;
    if (version > kNewestVersion) return kIndexNewerVersion;

    if (std::int32_t code = read.Text(name)) return code;
    if (std::int32_t code = read.DateTime(last_update)) return code;

    std::int32_t elementCount = 0;
    if (std::int32_t code = read.Int32(elementCount)) return code;
    elements.clear();
    // No room is reserved for the count: it is untrusted, and the records that
    // really follow in the file bound what is read.
    for (std::int32_t i = 0; i < elementCount; ++i) {
        CBackupElement element;
        if (std::int32_t code = ReadElement(read, element)) return code;
        elements.push_back(std::move(element));
    }

    if (std::int32_t code = read.Text(include_mask)) return code;
    if (std::int32_t code = read.Text(exclude_mask)) return code;
    if (std::int32_t code = read.Flag(apply_masks_to_folders)) return code;
    if (std::int32_t code = read.Text(device)) return code;
    if (std::int32_t code = read.Text(backup_folder)) return code;
    if (std::int32_t code = read.Int32(writing_speed)) return code;
    if (std::int32_t code = read.Flag(use_compression)) return code;
    if (std::int32_t code = read.Int32(compression_level)) return code;
    if (std::int32_t code = read.Flag(use_timestamps)) return code;
    if (std::int32_t code = read.Int32(timestamps_using_method)) return code;

    const std::int64_t end = file_handle->Position();
    if (end < 0) return kIndexReadFailed;
    return end - startOffset;
}

std::int32_t VUvivuzOvuDodid::ReadBlock(void* target, std::int32_t count, bool isLengthRecord) {
    if (!file_handle || !file_handle->IsOpen()) return kIndexFileNotOpen;
    if (count < 0 || (isLengthRecord && count != 4)) return kIndexReadFailed;
    const std::int64_t got = file_handle->Read(target, static_cast<std::size_t>(count));
    if (got < 0) return kIndexReadFailed;
    if (got < count) return kIndexFileTooShort;
    if (isLengthRecord) {
        const std::int32_t length = DecodeInt32(static_cast<const unsigned char*>(target));
        if (length < 0 || length > kMaxTextLength) return kIndexBadTextLength;
    }
    return kIndexReadOk;
}

std::int32_t VUvivuzOvuDodid::ReadText(std::string& target) {
    unsigned char lengthBytes[4];
    if (std::int32_t code = ReadBlock(lengthBytes, 4, true)) return code;
    const std::int32_t length = DecodeInt32(lengthBytes);
    std::array<char, kMaxTextLength + 1> buffer;
    if (std::int32_t code = ReadBlock(buffer.data(), length, false)) return code;
    buffer[static_cast<std::size_t>(length)] = '\0';
    target.assign(buffer.data());  // ends at the first zero byte; the rest was read and is dropped
    return kIndexReadOk;
}
