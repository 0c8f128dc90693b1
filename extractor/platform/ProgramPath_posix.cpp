#include "platform/ProgramPath.h"

#include <unistd.h>

#include <stdexcept>
#include <vector>

namespace platform {

std::string ProgramFilePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) throw std::runtime_error("Cannot find the program's own file");
        if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace platform
