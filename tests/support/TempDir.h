// A fresh folder below the system's temporary folder, removed with its content
// when the object goes away. Paths are narrow strings in the platform's form.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

#ifdef _WIN32
inline constexpr char kSep = '\\';
#else
inline constexpr char kSep = '/';
#endif

// The relative path with each "/" turned into the platform separator.
inline std::string Sep(std::string text) {
    for (char& c : text) {
        if (c == '/') c = kSep;
    }
    return text;
}

// Sep for each of the paths.
inline std::vector<std::string> Seps(std::vector<std::string> texts) {
    for (auto& text : texts) text = Sep(std::move(text));
    return texts;
}

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder with a trailing separator, ready for appending names.
    std::string folder() const;
    // folder() + relative, with "/" in relative turned into the platform separator.
    std::string file(std::string_view relative) const;
    // Writes bytes to a file below the folder, creating missing parent folders.
    void write(std::string_view relative, std::string_view bytes) const;
    std::string read(std::string_view relative) const;
    bool exists(std::string_view relative) const;
    void mkdir(std::string_view relative) const;
    // The names in a folder below ("" for the folder itself), sorted: shows what
    // a test left there, temporary files included.
    std::vector<std::string> names(std::string_view relative = "") const;

private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace testsupport
