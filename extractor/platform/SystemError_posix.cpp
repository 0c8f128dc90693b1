#include "platform/SystemError.h"

#include <cerrno>
#include <system_error>

namespace platform {

std::string LastSystemErrorText() {
    const int error = errno;
    return error == 0 ? std::string() : std::generic_category().message(error);
}

void ClearLastSystemError() { errno = 0; }

}  // namespace platform
