#include "platform/FileHandle.h"

#include <windows.h>

namespace platform {

const FileHandle::Native FileHandle::kNone = INVALID_HANDLE_VALUE;

bool FileHandle::IsOpen() const { return native_ != INVALID_HANDLE_VALUE && native_ != nullptr; }

void FileHandle::Close() {
    if (IsOpen()) CloseHandle(native_);
    native_ = kNone;
}

}  // namespace platform
