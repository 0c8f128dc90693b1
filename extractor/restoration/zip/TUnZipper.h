// The ZIP extraction component: opens an archive, lists its items in central
// directory order and extracts the tagged ones below a base directory, reporting
// each item through three events on the calling thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/CalendarTime.h"
#include "restoration/zip/ZipEntry.h"
#include "restoration/zip/ZipExceptions.h"

enum class TProcessType { ptAdd, ptDelete, ptExtract, ptFreshen, ptMove, ptReplace, ptFoundUnhandled };

enum TExtractOption : unsigned { eoCreateDirs = 1u << 0, eoRestorePath = 1u << 1 };
using TExtractOptions = unsigned;

class TArchiveItem {
public:
    virtual ~TArchiveItem() = default;
    // The stored name with "/" separators, in the form the platform's file
    // functions use (see the implementation for the code-page rules).
    const std::string& FileName() const { return fileName_; }
    bool Tagged = false;     // selects the item for ExtractTaggedItems
    std::string TargetName;  // set on opening to FileName with "\" separators; free for the caller

protected:
    std::string fileName_;
};

class TZipItem : public TArchiveItem {
public:
    std::uint64_t UncompressedSize() const { return entry_.uncompressedSize; }
    std::uint64_t CompressedSize() const { return entry_.compressedSize; }
    std::uint16_t CompressionMethod() const { return entry_.method; }
    std::uint32_t Crc32() const { return entry_.crc32; }
    bool Encrypted() const { return (entry_.flags & zip::kFlagEncrypted) != 0; }
    // The stored MS-DOS date and time (local time); nothing when it names no
    // real time.
    std::optional<CalendarTime> ModificationTime() const;
    // A folder entry: its name ends with a separator.
    bool IsFolder() const;

private:
    friend class TUnZipper;
    zip::EntryRecord entry_;  // directory data of the item, filled by the component
};

class TUnZipper {
public:
    using ConfirmProcessItemEvent = std::function<void(TUnZipper& sender, TZipItem& item, TProcessType, bool& confirm)>;
    using ArchiveItemProgressEvent = std::function<void(TUnZipper& sender, TZipItem& item, int progress, bool& abort)>;
    using ProcessItemFailureEvent =
        std::function<void(TUnZipper& sender, TZipItem& item, TProcessType, TErrorClass, int errorCode)>;

    TUnZipper();
    ~TUnZipper();
    TUnZipper(const TUnZipper&) = delete;
    TUnZipper& operator=(const TUnZipper&) = delete;

    // Path of the open archive; empty when none is open.
    const std::string& FileName() const;

    TExtractOptions ExtractOptions = eoCreateDirs;

    const std::string& BaseDirectory() const;
    // With an archive open: drops one trailing separator (not after a drive's
    // ":"), and raises ENoSuchDirectory for a non-empty value that names no
    // folder. Without one the value is kept and checked by the next OpenArchive.
    void SetBaseDirectory(const std::string& folder);

    std::string TempDirectory;

    // Closes any open archive, then opens the file and reads its directory.
    // When the central directory is missing or damaged, the items are read
    // from the local headers instead (see Recovered).
    void OpenArchive(const std::string& path);
    // True when the open archive's items come from its local headers because
    // its central directory could not be used.
    bool Recovered() const;
    void CloseArchive();
    int GetCount() const;
    TZipItem& GetItem(int index);

    // Extracts every tagged item in directory order on the calling thread.
    void ExtractTaggedItems();

    // Reads the item's data as ExtractTaggedItems would, checking its sizes
    // and CRC-32, and writes nothing; throws the error that would fail it
    // (EArchiveException and its kinds). Calls no event.
    void VerifyItem(int index);

    // While OnProcessItemFailure runs: the operating system's words for the
    // failed file operation ("No space left on device"); empty when the
    // failure has none (damaged data, a refused name).
    const std::string& FailureSystemText() const;

    ConfirmProcessItemEvent OnConfirmProcessItem;
    ArchiveItemProgressEvent OnArchiveItemProgress;
    ProcessItemFailureEvent OnProcessItemFailure;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
