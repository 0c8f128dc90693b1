#include "platform/InputFile.h"

#include <windows.h>

#include <algorithm>

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

std::int64_t InputFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
    return ReadUntilFull(buffer, count, [&](char* to, std::size_t done, std::size_t wanted) -> std::int64_t {
        const std::uint64_t at = offset + done;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wanted, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(handle_.Get(), to, chunk, &got, &where)) return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
        return got;
    });
}

}  // namespace platform
