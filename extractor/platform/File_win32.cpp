#include "platform/File.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace platform {

std::optional<File> File::OpenExclusiveForReading(const std::string& path) {
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    return File(handle);
}

std::optional<File> File::CreateForWriting(const std::string& path) {
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    return File(handle);
}

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
}

File::~File() { Close(); }

std::int64_t File::Read(void* buffer, std::size_t count) {
    std::size_t total = 0;
    auto* bytes = static_cast<char*>(buffer);
    while (total < count) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(handle_, bytes + total, chunk, &got, nullptr)) return -1;
        if (got == 0) break;
        total += got;
    }
    return static_cast<std::int64_t>(total);
}

bool File::Write(const void* buffer, std::size_t count) {
    std::size_t total = 0;
    const auto* bytes = static_cast<const char*>(buffer);
    while (total < count) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(handle_, bytes + total, chunk, &written, nullptr) || written == 0) return false;
        total += written;
    }
    return true;
}

bool File::Seek(std::int64_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    return SetFilePointerEx(handle_, distance, nullptr, FILE_BEGIN) != 0;
}

std::int64_t File::Position() const {
    LARGE_INTEGER zero{}, position{};
    if (!SetFilePointerEx(handle_, zero, &position, FILE_CURRENT)) return -1;
    return position.QuadPart;
}

void File::Close() {
    if (handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

bool File::IsOpen() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

}  // namespace platform
