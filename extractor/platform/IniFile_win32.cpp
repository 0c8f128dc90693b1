// The INI layer on Windows: the private-profile functions, which already trim
// values, match names without case and create what a write needs.
#include "platform/IniFile.h"

#include <windows.h>

namespace platform {

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    char buffer[kMaxValueLength + 1] = {};
    const DWORD length = GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                                  std::string(defaultValue).c_str(), buffer, sizeof buffer,
                                                  path_.c_str());
    return std::string(buffer, length);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (!WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                    std::string(value).c_str(), path_.c_str())) {
        throw IniWriteError(path_);
    }
}

void IniFile::EraseSection(std::string_view section) {
    if (!WritePrivateProfileStringA(std::string(section).c_str(), nullptr, nullptr, path_.c_str())) {
        throw IniWriteError(path_);
    }
}

}  // namespace platform
