// Writing files below a base folder without ever leaving it: every folder level
// below the base is reached one at a time and must be a real folder, never a
// symbolic link, junction or other reparse point, and a file is never written
// through a link either. The base folder itself is the caller's choice and is
// taken as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/CalendarTime.h"

namespace platform {

enum class TargetError {
    None,
    NoSuchFolder,        // a level is missing and may not be created
    LinkInPath,          // a level or the file is a link or reparse point
    NotAFolder,          // a level exists but is a file
    CannotCreateFolder,  // a missing level could not be created
    CannotCreateFile,    // the file could not be created (read-only, locked, a folder is there)
    NotARegularFile,     // something other than a plain file is at the file's name
};

// What an archive says about a file's attributes; each platform applies what it knows.
struct StoredAttributes {
    std::uint32_t dosAttributes = 0;          // read-only 0x01, hidden 0x02, system 0x04, archive 0x20
    std::optional<std::uint32_t> unixMode;    // permission bits, when the archive was made on Unix
};

class ConfinedFolder;

// How a finished file takes its name.
enum class Placement {
    ReplaceExisting,  // over a plain file that is there
    KeepExisting,     // only when nothing is there; otherwise the new data is dropped
};

// A file being written inside a ConfinedFolder (which must outlive it). The data
// goes to a temporary file in that folder, which takes the target's name only in
// Finish, once it is complete: until then a file at the target stays exactly as
// it was. Unless Finish puts it in place, the temporary file is deleted when the
// object goes away, so nothing partly written ever stays behind.
class OutputFile {
public:
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // Writes all bytes; false when the write fails (disk full).
    bool Write(const void* data, std::size_t size);
    // Sets the last-write time (local time, when given) and the attributes, closes
    // the file and renames it to its target name as placement says. False when
    // closing or renaming failed: the temporary file is deleted and the target
    // stays as it was. True also when KeepExisting found a file there and dropped
    // the new data.
    bool Finish(const std::optional<CalendarTime>& lastWrite, const StoredAttributes& attributes,
                Placement placement = Placement::ReplaceExisting);
    // Closes and deletes the temporary file; the target stays as it was.
    void Discard();
    // The target's path, for messages.
    const std::string& Path() const { return path_; }

private:
    friend class ConfinedFolder;
#ifdef _WIN32
    using Handle = void*;
    OutputFile(Handle handle, std::string temporaryPath, std::string path)
        : temporaryPath_(std::move(temporaryPath)), handle_(handle), path_(std::move(path)) {}
    std::string temporaryPath_;
#else
    using Handle = int;
    OutputFile(Handle handle, int folder, std::string temporaryName, std::string name, std::string path)
        : folder_(folder),
          temporaryName_(std::move(temporaryName)),
          name_(std::move(name)),
          handle_(handle),
          path_(std::move(path)) {}
    int folder_ = -1;
    std::string temporaryName_;
    std::string name_;
#endif
    void CloseQuietly();
    Handle handle_;
    std::string path_;
};

class ConfinedFolder {
public:
    // Reaches base + levels[0] + levels[1] + ... . base may be empty (the
    // current folder); when it is missing and createMissing is set, it is
    // created with all its missing levels (a \\server\share prefix is kept).
    // Each level must be one plain name (no separator, not "." or "..");
    // missing levels are created when createMissing is set.
    static std::optional<ConfinedFolder> Open(const std::string& base, const std::vector<std::string>& levels,
                                              bool createMissing, TargetError& error);

    ConfinedFolder(ConfinedFolder&& other) noexcept;
    ConfinedFolder& operator=(ConfinedFolder&& other) noexcept;
    ConfinedFolder(const ConfinedFolder&) = delete;
    ConfinedFolder& operator=(const ConfinedFolder&) = delete;
    ~ConfinedFolder();

    // Starts the file name (one plain name) here, to replace an existing plain
    // file once it is finished. A link, folder or special file at that name, and a
    // read-only file (also for a privileged user), are left alone and refused.
    std::optional<OutputFile> CreateOutputFile(const std::string& name, TargetError& error);

    // The folder's path with a trailing separator ("" for the current folder).
    const std::string& Path() const { return path_; }

private:
#ifdef _WIN32
    explicit ConfinedFolder(std::string path) : path_(std::move(path)) {}
#else
    ConfinedFolder(int handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    int handle_ = -1;
#endif
    std::string path_;
};

}  // namespace platform
