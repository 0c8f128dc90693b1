#include "AudioFiles.h"

#include <algorithm>

namespace ombrix {
namespace {

constexpr std::string_view kAudioExtensions[] = {
    ".wav", ".mp1", ".mp2", ".mp3", ".ogg", ".wma", ".mo3", ".it", ".xm", ".s3m", ".mtm", ".mod", ".umx",
};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace

std::string_view ExtensionOf(std::string_view path) {
    // The name starts after the last separator or drive colon.
    const std::size_t nameStart = path.find_last_of("\\/:");
    const std::string_view name = nameStart == std::string_view::npos ? path : path.substr(nameStart + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

bool HasAudioFiles(const std::vector<std::string>& paths) {
    return std::any_of(paths.begin(), paths.end(), [](const std::string& path) {
        const std::string_view extension = ExtensionOf(path);
        return std::any_of(std::begin(kAudioExtensions), std::end(kAudioExtensions),
                           [&](std::string_view audio) { return EqualIgnoringCase(extension, audio); });
    });
}

}  // namespace ombrix
