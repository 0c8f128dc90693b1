// A file opened for reading at any offset, shared with other readers. Used for
// archives, which stay open while a program works with them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileHandle.h"

namespace platform {

class InputFile {
public:
    // Opens an existing file for reading; other programs may read it too.
    static std::optional<InputFile> Open(const std::string& path);

    // The size in bytes when the file was opened.
    std::uint64_t Size() const { return size_; }
    // Reads up to count bytes at offset without moving any shared position;
    // returns the number read (fewer only at the end of the file), or -1.
    std::int64_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count);

private:
    InputFile(FileHandle::Native handle, std::uint64_t size) : handle_(handle), size_(size) {}
    FileHandle handle_;
    std::uint64_t size_;
};

}  // namespace platform
