#include "ListFile.h"

#include <windows.h>

namespace ombrix {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
           written == bytes.size();
}

bool WriteEntries(const std::string& path, const std::vector<std::string>& entries) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return false;
    }
    for (const std::string& entry : entries) {
        if (!WriteAll(file.get(), entry + '\n')) {
            return false;
        }
    }
    return file.close();
}

// A unique name in folder, created empty by the platform so that no other
// caller can take it; nothing when the folder does not accept files.
std::optional<std::string> ReserveUniqueName(const std::string& folder) {
    char path[MAX_PATH] = {};
    if (folder.empty() || GetTempFileNameA(folder.c_str(), "SHL", 0, path) == 0) {
        return std::nullopt;
    }
    return std::string(path);
}

}  // namespace

std::optional<std::string> WriteListFile(const std::vector<std::string>& folders,
                                         const std::vector<std::string>& entries) {
    for (const std::string& folder : folders) {
        const std::optional<std::string> path = ReserveUniqueName(folder);
        if (!path) {
            continue;
        }
        if (WriteEntries(*path, entries)) {
            return path;
        }
        // An incomplete list must not reach the application.
        DeleteFileA(path->c_str());
    }
    return std::nullopt;
}

std::string UserTempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer) {
        return {};
    }
    return std::string(buffer, length);
}

}  // namespace ombrix
