#include <windows.h>

#include <atomic>

#include "platform/FileCopy.h"

namespace platform {

bool CopyFileWithCancel(const std::string& source, const std::string& target, std::int32_t* cancelFlag) {
    static_assert(sizeof(BOOL) == sizeof(std::int32_t));
    // The system refuses a read-only target itself, except for emulators that
    // run with the rights of a privileged user; make the rule hold everywhere.
    const DWORD targetAttributes = GetFileAttributesA(target.c_str());
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    // A cancel that came before the copy leaves the target untouched, also where
    // the system's copy does not watch the flag.
    if (cancelFlag && std::atomic_ref<std::int32_t>(*cancelFlag).load() != 0) {
        SetLastError(ERROR_REQUEST_ABORTED);
        return false;
    }
    if (CopyFileExA(source.c_str(), target.c_str(), nullptr, nullptr, reinterpret_cast<BOOL*>(cancelFlag), 0)) {
        return true;
    }
    // Windows deletes a target it abandoned on a cancel; make sure of it, so that
    // no partly written file is left whatever the system's copy did.
    if (GetLastError() == ERROR_REQUEST_ABORTED) DeleteFileA(target.c_str());
    return false;
}

}  // namespace platform
