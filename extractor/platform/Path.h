// Path conventions of the platform. Folder paths handed between units end with
// the separator; on POSIX the separator is "/" where Windows uses "\".
#pragma once

#include <string>
#include <string_view>

namespace platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

inline bool EndsWithSeparator(std::string_view path) {
    return !path.empty() && path.back() == kPathSeparator;
}

// The folder part of a path up to and including its last separator ("" if none).
inline std::string FolderOf(std::string_view path) {
    const auto cut = path.find_last_of(kPathSeparator);
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

// The part of a path after its last separator.
inline std::string NameOf(std::string_view path) {
    const auto cut = path.find_last_of(kPathSeparator);
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

// A stored item name, with "/" between its levels, written with the platform's
// separator.
inline std::string WithPlatformSeparators(std::string_view name) {
    std::string path(name);
    for (char& c : path)
        if (c == '/') c = kPathSeparator;
    return path;
}

}  // namespace platform
