#include "restoration/zip/ItemName.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/Path.h"

namespace zip {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Upper(x) == Upper(y); });
}

// Windows opens a device for these names whatever extension follows.
bool IsReservedDeviceName(std::string_view level) {
    std::string_view stem = level.substr(0, level.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (EqualsIgnoringCase(stem, device)) return true;
    if (stem.size() == 4 && (EqualsIgnoringCase(stem.substr(0, 3), "COM") || EqualsIgnoringCase(stem.substr(0, 3), "LPT"))) {
        const auto digit = static_cast<unsigned char>(stem[3]);
        // "1" to "9", and the superscript digits of the ANSI code page, which Windows treats alike.
        return (digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
    }
    return false;
}

bool IsBadWindowsCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*';
}

NameProblem CheckLevel(std::string_view level, NameRules rules) {
    if (level == "..") return NameProblem::ParentReference;
    if (rules != NameRules::Windows) return NameProblem::None;
    if (level.find(':') != std::string_view::npos) return NameProblem::StreamOrColon;
    if (std::any_of(level.begin(), level.end(), IsBadWindowsCharacter)) return NameProblem::BadCharacter;
    if (level.back() == '.' || level.back() == ' ') return NameProblem::TrailingDotOrSpace;
    if (IsReservedDeviceName(level)) return NameProblem::ReservedName;
    return NameProblem::None;
}

NameProblem Split(std::string_view name, NameRules rules, ItemPath& path) {
    if (name.empty()) return NameProblem::Empty;
    if (name.find('\0') != std::string_view::npos) return NameProblem::BadCharacter;
    if (name.find('/') != std::string_view::npos && name.find('\\') != std::string_view::npos)
        return NameProblem::MixedSeparators;
    if (IsSeparator(name.front())) return NameProblem::Absolute;
    if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0])))
        return NameProblem::DriveLetter;

    std::vector<std::string> levels;
    std::string_view level;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t stop = start;
        while (stop < name.size() && !IsSeparator(name[stop])) ++stop;
        level = name.substr(start, stop - start);
        if (!level.empty() && level != ".") {
            if (const NameProblem problem = CheckLevel(level, rules); problem != NameProblem::None) return problem;
            levels.emplace_back(level);
        }
        start = stop + 1;
    }
    // "Docs/" and "Docs/." name a folder, "./" the base itself; "." alone names nothing.
    const bool folderEntry = level.empty() || level == ".";
    if (levels.empty() && !IsSeparator(name.back())) return NameProblem::Empty;
    if (!folderEntry) {
        path.file = std::move(levels.back());
        levels.pop_back();
    }
    path.folders = std::move(levels);
    return NameProblem::None;
}

}  // namespace

NameRules PlatformNameRules() { return platform::kPathSeparator == '\\' ? NameRules::Windows : NameRules::Posix; }

std::optional<ItemPath> CanonicalItemPath(std::string_view name, NameRules rules, NameProblem* problem) {
    ItemPath path;
    const NameProblem found = Split(name, rules, path);
    if (problem) *problem = found;
    if (found != NameProblem::None) return std::nullopt;
    return path;
}

std::string NormalisedItemName(std::string_view fileName) {
    std::string name(fileName);
    for (char& c : name)
        if (c == '\\') c = '/';
    return name;
}

}  // namespace zip
