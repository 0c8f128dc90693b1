#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string_view>

#include "platform/KnownFolders.h"

namespace platform {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) return user->pw_dir;
    return {};
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The value of XDG_DOCUMENTS_DIR in the user-dirs file: a line such as
// XDG_DOCUMENTS_DIR="$HOME/Documents", where "$HOME/" may start the path.
std::string DocumentsFromUserDirs(const std::string& home) {
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty()) config = home + "/.config";
    std::ifstream file(config + "/user-dirs.dirs");
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    for (std::string line; std::getline(file, line);) {
        if (line.rfind(kKey, 0) != 0) continue;
        const auto end = line.find('"', kKey.size());
        if (end == std::string::npos) return {};
        std::string value = line.substr(kKey.size(), end - kKey.size());
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        return value.empty() || value.front() != '/' ? std::string() : value;
    }
    return {};
}

}  // namespace

std::string DocumentsFolder() {
    const std::string home = HomeFolder();
    std::string documents = Environment("XDG_DOCUMENTS_DIR");
    if (documents.empty()) documents = DocumentsFromUserDirs(home);
    if (documents.empty()) documents = home;
    if (documents.empty()) {
        char buffer[4096];
        if (::getcwd(buffer, sizeof buffer)) documents = buffer;
    }
    return WithoutTrailingSlashes(documents);
}

}  // namespace platform

namespace platform {

std::string TemporaryFolder() {
    std::string folder = Environment("TMPDIR");
    if (folder.empty()) folder = "/tmp";
    if (folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace platform
