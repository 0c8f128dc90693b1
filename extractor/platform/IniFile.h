// Reading and writing one INI file by section and key. Section and key names
// match without regard to letter case; a value comes back with surrounding
// blanks removed and cut to kMaxValueLength characters; a missing file reads as
// an empty one; a write creates the file, section and key as needed.
//
// Every call goes to the file afresh: nothing is cached between calls, so an
// object may be kept or made anew per operation.
//
// A path without any folder ("DefLang.ini") is resolved by the platform's own
// rule: on Windows the private-profile functions look for it in the Windows
// folder; on POSIX it is taken relative to the current working folder, like any
// other relative path.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// A write that did not reach the file. The message is "Unable to write to " and the path.
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const std::string& path);
};

class IniFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& FileName() const { return path_; }

    // The key's value, or defaultValue when the file, the section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // The value as an integer (decimal, or hexadecimal after "0x" or "$"); defaultValue
    // when it is missing or not such a number.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;

    // Raise IniWriteError when the file cannot be written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // Removes the section with all its keys.
    void EraseSection(std::string_view section);

private:
    std::string path_;
};

// Integer text as INI readers take it: optional sign, then decimal digits, or
// hexadecimal digits after "0x", "0X" or "$". Nothing else, and nothing outside
// the range of int.
std::optional<int> ParseIniInteger(std::string_view text);

}  // namespace platform
