#include "platform/FileHandle.h"

#include <unistd.h>

namespace platform {

const FileHandle::Native FileHandle::kNone = -1;

bool FileHandle::IsOpen() const { return native_ >= 0; }

void FileHandle::Close() {
    if (IsOpen()) ::close(native_);
    native_ = kNone;
}

}  // namespace platform
