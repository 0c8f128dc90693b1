#include <windows.h>

#include "platform/FileCopy.h"

namespace platform {

bool CopyFileWithCancel(const std::string& source, const std::string& target, std::int32_t* cancelFlag) {
    static_assert(sizeof(BOOL) == sizeof(std::int32_t));
    if (CopyFileExA(source.c_str(), target.c_str(), nullptr, nullptr, reinterpret_cast<BOOL*>(cancelFlag), 0)) {
        return true;
    }
    // Windows deletes a target it abandoned on a cancel; make sure of it, so that
    // no partly written file is left whatever the system's copy did.
    if (GetLastError() == ERROR_REQUEST_ABORTED) DeleteFileA(target.c_str());
    return false;
}

}  // namespace platform
