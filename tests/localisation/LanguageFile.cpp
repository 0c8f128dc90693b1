#include "LanguageFile.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <random>
#include <sstream>

#include "TempDir.h"
#include "platform/ProgramPath.h"
#include "ui/Component.h"

namespace loctest {
namespace {

std::string UniqueName() {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    std::ostringstream name;
    name << "loctest-" << std::hex << salt << '-'
         << std::chrono::steady_clock::now().time_since_epoch().count() << '-' << counter++ << ".lng";
    return name.str();
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return std::string(s.substr(first, last - first + 1));
}

// Calls visit(key, rawValue) for each key line of the section.
template <typename Visit>
void ForEachKey(std::string_view text, std::string_view section, Visit visit) {
    bool inSection = false;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const auto close = trimmed.find(']');
            inSection = close != std::string::npos && ui::SameText(Trim(trimmed.substr(1, close - 1)), section);
            continue;
        }
        const auto eq = line.find('=');
        if (inSection && eq != std::string::npos) visit(Trim(line.substr(0, eq)), line.substr(eq + 1));
    }
}

}  // namespace

LanguageFile::LanguageFile() : name_(UniqueName()), path_(platform::ProgramFolder() + name_) {}

LanguageFile::LanguageFile(std::string_view content) : LanguageFile() { write(content); }

LanguageFile::~LanguageFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
}

void LanguageFile::write(std::string_view content) const {
    testsupport::WriteFileBytes(path_, content);
    const auto stamp = std::filesystem::file_time_type::clock::now() + std::chrono::seconds(2 * ++writes_);
    std::filesystem::last_write_time(path_, stamp);
}

std::string LanguageFile::read() const { return testsupport::ReadFileBytes(path_); }

bool LanguageFile::exists() const { return std::filesystem::exists(path_); }

std::vector<std::string> KeysOfSection(std::string_view iniText, std::string_view section) {
    std::vector<std::string> keys;
    ForEachKey(iniText, section, [&](const std::string& key, const std::string&) { keys.push_back(key); });
    return keys;
}

std::string RawValue(std::string_view iniText, std::string_view section, std::string_view key) {
    std::string found;
    bool seen = false;
    ForEachKey(iniText, section, [&](const std::string& k, const std::string& value) {
        if (!seen && ui::SameText(k, key)) {
            found = value;
            seen = true;
        }
    });
    return found;
}

}  // namespace loctest
