// A language file of a test: translators always look in the program's folder,
// so each test gets a file of a unique name there, removed afterwards.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace loctest {

class LanguageFile {
public:
    // Writes the content, unless it is absent (then no file exists yet).
    LanguageFile();
    explicit LanguageFile(std::string_view content);
    ~LanguageFile();
    LanguageFile(const LanguageFile&) = delete;
    LanguageFile& operator=(const LanguageFile&) = delete;

    // The bare name, as given to LangFileName.
    const std::string& name() const { return name_; }
    // The full path in the program's folder.
    const std::string& path() const { return path_; }

    // Each write gets a later modification time than the one before, so that
    // an INI layer that caches by modification time sees every change.
    void write(std::string_view content) const;
    std::string read() const;
    bool exists() const;

private:
    std::string name_;
    std::string path_;
    mutable int writes_ = 0;
};

// The keys of one section of INI text, in file order (section names match without case).
std::vector<std::string> KeysOfSection(std::string_view iniText, std::string_view section);
// The value of a key as written in INI text ("" when absent), untrimmed apart from the line end.
std::string RawValue(std::string_view iniText, std::string_view section, std::string_view key);

}  // namespace loctest
