#include "platform/InputFile.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace platform {

std::optional<InputFile> InputFile::Open(const std::string& path) {
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle, &size)) {
        CloseHandle(handle);
        return std::nullopt;
    }
    return InputFile(handle, static_cast<std::uint64_t>(size.QuadPart));
}

InputFile::InputFile(InputFile&& other) noexcept
    : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)), size_(std::exchange(other.size_, 0)) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

InputFile::~InputFile() { Close(); }

std::int64_t InputFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
    std::size_t total = 0;
    auto* bytes = static_cast<char*>(buffer);
    while (total < count) {
        const std::uint64_t at = offset + total;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(handle_, bytes + total, chunk, &got, &where)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            return -1;
        }
        if (got == 0) break;
        total += got;
    }
    return static_cast<std::int64_t>(total);
}

void InputFile::Close() {
    if (handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace platform
