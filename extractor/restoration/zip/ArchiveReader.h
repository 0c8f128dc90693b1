// Reads an open archive at any offset through one read-ahead buffer: small
// reads (headers, small items) that follow each other cost no system call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/InputFile.h"

namespace zip {

class ArchiveReader {
public:
    explicit ArchiveReader(platform::InputFile file);

    std::uint64_t Size() const { return file_.Size(); }
    // Reads up to count bytes at offset (fewer only at the end of the file).
    // Throws ArchiveReadError when the system fails to read.
    std::size_t ReadSome(std::uint64_t offset, void* buffer, std::size_t count);
    // Reads exactly count bytes; throws DamagedArchive (with what) when the
    // file ends before them.
    void ReadExact(std::uint64_t offset, void* buffer, std::size_t count, const char* what);

private:
    static constexpr std::size_t kBufferSize = 256 * 1024;
    platform::InputFile file_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::uint64_t bufferStart_ = 0;
    std::size_t bufferLength_ = 0;
};

}  // namespace zip
