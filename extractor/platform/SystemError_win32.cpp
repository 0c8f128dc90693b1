#include "platform/SystemError.h"

#include <windows.h>

#include <system_error>

namespace platform {

std::string LastSystemErrorText() {
    const DWORD error = ::GetLastError();
    if (error == 0) return {};
    std::string text = std::system_category().message(static_cast<int>(error));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.')) text.pop_back();
    return text;
}

void ClearLastSystemError() { ::SetLastError(0); }

}  // namespace platform
