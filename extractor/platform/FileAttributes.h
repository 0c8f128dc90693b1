// Attributes that only some platforms have.
#pragma once

#include <string>

namespace platform {

// Marks a file or folder hidden and system. Windows: the two attributes. POSIX
// has neither (a leading dot hides a name): nothing to do, true.
bool MarkHiddenAndSystem(const std::string& path);

}  // namespace platform
