#include <windows.h>
#include <shlobj.h>

#include "platform/KnownFolders.h"

namespace platform {

std::string DocumentsFolder() {
    char buffer[MAX_PATH];
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, buffer))) return buffer;
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, buffer))) return buffer;
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

}  // namespace platform

namespace platform {

std::string TemporaryFolder() {
    char buffer[1024] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer) return {};
    return std::string(buffer, length);
}

}  // namespace platform
