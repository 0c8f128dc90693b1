#include <windows.h>

#include <atomic>

#include "platform/FileCopy.h"
#include "platform/Path.h"
#include "platform/TemporaryName.h"

namespace platform {
namespace {

// Deletes the copy unless it has taken the target's place; a read-only copy
// (of a read-only source) loses that attribute first, or it could not go.
class TemporaryCopy {
public:
    ~TemporaryCopy() { Remove(); }
    void Own(std::string path) { path_ = std::move(path); }
    void Remove() {
        if (path_.empty()) return;
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path_.c_str());
        path_.clear();
    }
    bool Replace(const std::string& target) {
        if (!MoveFileExA(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return false;
        path_.clear();
        return true;
    }

private:
    std::string path_;
};

}  // namespace

bool CopyFileWithCancel(const std::string& source, const std::string& target, std::int32_t* cancelFlag) {
    static_assert(sizeof(BOOL) == sizeof(std::int32_t));
    // The system refuses a read-only target itself, except for emulators that
    // run with the rights of a privileged user; make the rule hold everywhere.
    const DWORD targetAttributes = GetFileAttributesA(target.c_str());
    if (targetAttributes != INVALID_FILE_ATTRIBUTES &&
        (targetAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    // A cancel that came before the copy touches nothing, also where the
    // system's copy does not watch the flag.
    if (cancelFlag && std::atomic_ref<std::int32_t>(*cancelFlag).load() != 0) {
        SetLastError(ERROR_REQUEST_ABORTED);
        return false;
    }
    TemporaryCopy copy;
    const std::string folder = FolderOf(target);
    const auto made = CreateUnderTemporaryName([&](const std::string& name) {
        const std::string path = folder + name;
        if (CopyFileExA(source.c_str(), path.c_str(), nullptr, nullptr, reinterpret_cast<BOOL*>(cancelFlag),
                        COPY_FILE_FAIL_IF_EXISTS)) {
            copy.Own(path);
            return CreateOutcome::Created;
        }
        const DWORD failure = GetLastError();
        if (failure == ERROR_FILE_EXISTS || failure == ERROR_ALREADY_EXISTS) return CreateOutcome::NameTaken;
        // Not someone else's file: whatever the abandoned copy left there is ours.
        copy.Own(path);
        copy.Remove();
        SetLastError(failure);
        return CreateOutcome::Failed;
    });
    // A locked target makes the rename fail; the target then stays as it was.
    return made && copy.Replace(target);
}

}  // namespace platform
