// Reads an open archive at any offset through one read-ahead buffer: small
// reads (headers, small items) that follow each other cost no system call.
// A failed read is tried again a few times (discs often read on a later try).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/InputFile.h"

namespace zip {

// Where the archive's bytes come from: the file, or a stand-in in tests.
class ArchiveInput {
public:
    virtual ~ArchiveInput() = default;
    virtual std::uint64_t Size() const = 0;
    // As platform::InputFile::ReadAt: the count read (fewer only at the end), or -1.
    virtual std::int64_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) = 0;
};

class ArchiveReader {
public:
    static constexpr int kReadAttempts = 3;

    explicit ArchiveReader(platform::InputFile file);
    explicit ArchiveReader(std::unique_ptr<ArchiveInput> input);

    std::uint64_t Size() const { return size_; }
    // Reads up to count bytes at offset (fewer only at the end of the file).
    // Throws ArchiveReadError when the system fails to read.
    std::size_t ReadSome(std::uint64_t offset, void* buffer, std::size_t count);
    // Reads exactly count bytes; throws DamagedArchive (with what) when the
    // file ends before them.
    void ReadExact(std::uint64_t offset, void* buffer, std::size_t count, const char* what);

private:
    static constexpr std::size_t kBufferSize = 256 * 1024;
    std::int64_t ReadWithRetries(std::uint64_t offset, void* buffer, std::size_t count);
    std::unique_ptr<ArchiveInput> input_;
    std::uint64_t size_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::uint64_t bufferStart_ = 0;
    std::size_t bufferLength_ = 0;
};

}  // namespace zip
