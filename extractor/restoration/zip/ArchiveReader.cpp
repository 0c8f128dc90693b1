#include "restoration/zip/ArchiveReader.h"

#include <cstring>
#include <string>
#include <utility>

#include "restoration/zip/ZipErrors.h"

namespace zip {

ArchiveReader::ArchiveReader(platform::InputFile file)
    : file_(std::move(file)), buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(kBufferSize)) {}

std::size_t ArchiveReader::ReadSome(std::uint64_t offset, void* buffer, std::size_t count) {
    if (offset >= Size() || count == 0) return 0;
    if (count > Size() - offset) count = static_cast<std::size_t>(Size() - offset);
    auto* out = static_cast<std::uint8_t*>(buffer);

    // Served from the buffer, when it holds the start of the range.
    std::size_t done = 0;
    if (offset >= bufferStart_ && offset < bufferStart_ + bufferLength_) {
        const auto skip = static_cast<std::size_t>(offset - bufferStart_);
        done = std::min(count, bufferLength_ - skip);
        std::memcpy(out, buffer_.get() + skip, done);
        if (done == count) return done;
    }
    const std::uint64_t at = offset + done;
    const std::size_t rest = count - done;
    if (rest >= kBufferSize / 2) {
        // Large reads go straight into the caller's memory.
        const std::int64_t got = file_.ReadAt(at, out + done, rest);
        if (got < 0) throw ArchiveReadError("Cannot read the archive");
        return done + static_cast<std::size_t>(got);
    }
    const std::int64_t got = file_.ReadAt(at, buffer_.get(), kBufferSize);
    if (got < 0) throw ArchiveReadError("Cannot read the archive");
    bufferStart_ = at;
    bufferLength_ = static_cast<std::size_t>(got);
    const std::size_t more = std::min(rest, bufferLength_);
    std::memcpy(out + done, buffer_.get(), more);
    return done + more;
}

void ArchiveReader::ReadExact(std::uint64_t offset, void* buffer, std::size_t count, const char* what) {
    if (ReadSome(offset, buffer, count) != count) throw DamagedArchive(std::string(what) + " lies beyond the end of the file");
}

}  // namespace zip
