#include "platform/FileAttributes.h"

namespace platform {

bool MarkHiddenAndSystem(const std::string&) { return true; }

}  // namespace platform
