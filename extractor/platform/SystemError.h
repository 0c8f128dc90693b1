// The text of the operating system's last error, for messages to the user.
#pragma once

#include <string>

namespace platform {

// The last error of the calling thread (errno, or GetLastError on Windows) in
// plain words; empty when there is none.
std::string LastSystemErrorText();

// Clears it, so that a failure that sets none is not given an older one's text.
void ClearLastSystemError();

}  // namespace platform
