#include "platform/ProgramPath.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

namespace platform {

std::string ProgramFilePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) throw std::runtime_error("Cannot find the program's own file");
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // the name was cut: try a larger buffer
    }
}

}  // namespace platform
