// An open file, closed when the object goes away. Narrow paths in the system's
// code page, passed to the OS without conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileHandle.h"

namespace platform {

class File {
public:
    // Opens an existing file for reading that no other process may have open
    // while we hold it (Windows: share mode 0; POSIX: an exclusive advisory
    // lock, which excludes other programs that lock, since POSIX has no share modes).
    static std::optional<File> OpenExclusiveForReading(const std::string& path);
    // Creates a file for writing, replacing an existing one.
    static std::optional<File> CreateForWriting(const std::string& path);


    // Reads up to count bytes; returns the number read (0 at end of file), or -1 when the read fails.
    std::int64_t Read(void* buffer, std::size_t count);
    // Writes all bytes; false when the write fails.
    bool Write(const void* buffer, std::size_t count);
    // Moves to an offset counted from the beginning of the file.
    bool Seek(std::int64_t offset);
    // The current offset, or -1.
    std::int64_t Position() const;
    void Close();
    bool IsOpen() const;

private:
    explicit File(FileHandle::Native handle) : handle_(handle) {}
    FileHandle handle_;
};

}  // namespace platform
