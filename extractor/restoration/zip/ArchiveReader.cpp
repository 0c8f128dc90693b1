#include "restoration/zip/ArchiveReader.h"

#include <cstring>
#include <string>
#include <utility>

#include "restoration/zip/ZipErrors.h"

namespace zip {

namespace {

class FileInput : public ArchiveInput {
public:
    explicit FileInput(platform::InputFile file) : file_(std::move(file)) {}
    std::uint64_t Size() const override { return file_.Size(); }
    std::int64_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        return file_.ReadAt(offset, buffer, count);
    }

private:
    platform::InputFile file_;
};

}  // namespace

ArchiveReader::ArchiveReader(platform::InputFile file) : ArchiveReader(std::make_unique<FileInput>(std::move(file))) {}

ArchiveReader::ArchiveReader(std::unique_ptr<ArchiveInput> input)
    : input_(std::move(input)), size_(input_->Size()),
      buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(kBufferSize)) {}

std::int64_t ArchiveReader::ReadWithRetries(std::uint64_t offset, void* buffer, std::size_t count) {
    std::int64_t got = -1;
    for (int attempt = 0; attempt < kReadAttempts && got < 0; ++attempt) got = input_->ReadAt(offset, buffer, count);
    return got;
}

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
    // Large reads go straight into the caller's memory; so does a small one
    // whose read-ahead fails, which may have met a bad spot beyond the range.
    const auto direct = [&] {
        const std::int64_t got = ReadWithRetries(at, out + done, rest);
        if (got < 0) throw ArchiveReadError("Cannot read the archive");
        return done + static_cast<std::size_t>(got);
    };
    if (rest >= kBufferSize / 2) return direct();
    bufferLength_ = 0;  // a failed read may have filled part of it
    const std::int64_t got = input_->ReadAt(at, buffer_.get(), kBufferSize);
    if (got < 0) return direct();
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
