#include <windows.h>

#include "platform/FileAttributes.h"

namespace platform {

bool MarkHiddenAndSystem(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return SetFileAttributesA(path.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) != 0;
}

}  // namespace platform
