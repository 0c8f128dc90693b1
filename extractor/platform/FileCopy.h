// Copying one file over any existing target, abandonable from another thread.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Copies source to target, with the source's attributes and last-write time.
// The data goes to a temporary file in the target's folder, which is renamed
// over the target only once the copy is complete: until then an existing target
// stays exactly as it was. *cancelFlag is polled while the data is copied
// (Windows: CopyFileExA's cancel flag); when another thread sets it to non-zero,
// the copy stops. A cancelled or failed copy leaves no temporary file. Returns
// true when the file was copied. Reads and writes of the flag elsewhere go
// through std::atomic_ref.
//
// Like Windows, POSIX refuses a target without write permission (a read-only
// file) even to a privileged user, and a source or target that another process
// holds locked (a share mode on Windows, an advisory lock on POSIX).
bool CopyFileWithCancel(const std::string& source, const std::string& target, std::int32_t* cancelFlag);

}  // namespace platform
