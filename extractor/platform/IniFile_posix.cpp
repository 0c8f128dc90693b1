// The INI layer on POSIX: each call loads the whole file into a SimpleIni
// document; a write changes the document and saves it whole.
//
// The document is kept in the mode in which duplicate keys survive, so that a
// read returns the first occurrence of a key, as the Windows functions do.
#include "platform/IniFile.h"

// Values are 8-bit text used byte for byte: no character conversion.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION  // the template bodies, compiled here rather than linked
#include <SimpleIni.h>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace platform {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

enum class Loaded { Ok, Missing, Unreadable };

// Reads the whole file. A file with a NUL byte counts as unreadable, since the
// parser would stop there and a save would lose the rest.
Loaded LoadBytes(const std::string& path, std::string& bytes) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) return errno == ENOENT ? Loaded::Missing : Loaded::Unreadable;
    char buffer[16384];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) return Loaded::Unreadable;
    return bytes.find('\0') == std::string::npos ? Loaded::Ok : Loaded::Unreadable;
}

// A document with duplicate keys kept (reads then take the first) that saves
// "key=value" lines.
class Document : public CSimpleIniA {
public:
    Document() : CSimpleIniA(/*utf8*/ false, /*multiKey*/ true, /*multiLine*/ false) { SetSpaces(false); }
};

// For reading: whatever cannot be loaded reads as an empty document.
void LoadForReading(const std::string& path, Document& doc) {
    std::string bytes;
    if (LoadBytes(path, bytes) == Loaded::Ok) doc.LoadData(bytes);
}

// For writing: a missing file starts empty; a file that exists but cannot be
// read must not be overwritten.
void LoadForWriting(const std::string& path, Document& doc) {
    std::string bytes;
    switch (LoadBytes(path, bytes)) {
        case Loaded::Missing: break;
        case Loaded::Unreadable: throw IniWriteError(path);
        case Loaded::Ok:
            if (doc.LoadData(bytes) < 0) throw IniWriteError(path);
            break;
    }
}

void Save(const Document& doc, const std::string& path) {
    std::string text;
    if (doc.Save(text) < 0) throw IniWriteError(path);
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) throw IniWriteError(path);
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    if (!written || std::fclose(file.release()) != 0) throw IniWriteError(path);
}

}  // namespace

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    Document doc;
    LoadForReading(path_, doc);
    const char* value = doc.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    if (!value) return std::string(defaultValue);
    std::string result(value);
    if (result.size() > kMaxValueLength) result.resize(kMaxValueLength);
    return result;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Document doc;
    LoadForWriting(path_, doc);
    const std::string sectionName(section), keyName(key), text(value);
    if (doc.SetValue(sectionName.c_str(), keyName.c_str(), text.c_str(), nullptr, /*forceReplace*/ true) < 0) {
        throw IniWriteError(path_);
    }
    Save(doc, path_);
}

void IniFile::EraseSection(std::string_view section) {
    Document doc;
    LoadForWriting(path_, doc);
    const std::string sectionName(section);
    if (doc.GetSectionSize(sectionName.c_str()) < 0) return;  // nothing to erase
    doc.Delete(sectionName.c_str(), nullptr, true);
    Save(doc, path_);
}

}  // namespace platform
