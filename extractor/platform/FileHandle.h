// What File and InputFile share: the owned handle of an open file (moved,
// closed once) and the loop that reads until a count is filled or the file ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

namespace platform {

class FileHandle {
public:
#ifdef _WIN32
    using Native = void*;
#else
    using Native = int;
#endif
    static const Native kNone;

    FileHandle() : native_(kNone) {}
    explicit FileHandle(Native native) : native_(native) {}
    FileHandle(FileHandle&& other) noexcept : native_(std::exchange(other.native_, kNone)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            native_ = std::exchange(other.native_, kNone);
        }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }

    Native Get() const { return native_; }
    bool IsOpen() const;
    void Close();

private:
    Native native_;
};

// Calls readSome(destination, done, wanted) until count bytes are read or it
// gives 0 (the end); readSome returns the bytes it read or -1 on failure.
// Returns the total, or -1.
template <class ReadSome>
std::int64_t ReadUntilFull(void* buffer, std::size_t count, ReadSome readSome) {
    std::size_t total = 0;
    auto* bytes = static_cast<char*>(buffer);
    while (total < count) {
        const std::int64_t got = readSome(bytes + total, total, count - total);
        if (got < 0) return -1;
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(total);
}

}  // namespace platform
