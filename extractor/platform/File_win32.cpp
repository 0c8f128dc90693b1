#include "platform/File.h"

#include <windows.h>

#include <algorithm>

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

std::int64_t File::Read(void* buffer, std::size_t count) {
    return ReadUntilFull(buffer, count, [this](char* to, std::size_t, std::size_t wanted) -> std::int64_t {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wanted, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(handle_.Get(), to, chunk, &got, nullptr)) return -1;
        return got;
    });
}

bool File::Write(const void* buffer, std::size_t count) {
    std::size_t total = 0;
    const auto* bytes = static_cast<const char*>(buffer);
    while (total < count) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(handle_.Get(), bytes + total, chunk, &written, nullptr) || written == 0) return false;
        total += written;
    }
    return true;
}

bool File::Seek(std::int64_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    return SetFilePointerEx(handle_.Get(), distance, nullptr, FILE_BEGIN) != 0;
}

std::int64_t File::Position() const {
    LARGE_INTEGER zero{}, position{};
    if (!SetFilePointerEx(handle_.Get(), zero, &position, FILE_CURRENT)) return -1;
    return position.QuadPart;
}

void File::Close() { handle_.Close(); }

bool File::IsOpen() const { return handle_.IsOpen(); }

}  // namespace platform
