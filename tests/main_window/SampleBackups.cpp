#include "SampleBackups.h"

#include "IndexFileWriter.h"
#include "ZipWriter.h"

namespace windowtest {
namespace {

using testsupport::TempDir;

std::string Prefixed(const std::string& relative, const std::string& name) {
    return relative.empty() ? name : relative + "/" + name;
}

std::string WriteIndex(const TempDir& dir, const std::string& relative, bool compressed) {
    const std::string name = Prefixed(relative, "Docs.lxi");
    dir.write(name, indexwriter::BinaryIndex(indexwriter::DocsIndex(compressed)).bytes());
    return dir.file(name);
}

ziptest::ZipWriter SampleZip() {
    ziptest::ZipWriter zip;
    for (const char* item : {kDocsA, kDocsB, kReadme}) zip.Add(item, ContentOf(item), 8);
    return zip;
}

}  // namespace

std::string ContentOf(const std::string& item) { return "content of " + item + "\n"; }

std::string WriteZipBackup(const TempDir& dir, const std::string& relative) {
    const std::string index = WriteIndex(dir, relative, true);
    SampleZip().WriteTo(dir.file(Prefixed(relative, "Docs.zip")));
    return index;
}

std::string WriteFolderBackup(const TempDir& dir, const std::string& relative) {
    for (const char* item : {kDocsA, kDocsB, kReadme}) dir.write(Prefixed(relative, std::string("Docs/") + item), ContentOf(item));
    return WriteIndex(dir, relative, false);
}

std::string WriteIndexOnly(const TempDir& dir, const std::string& relative, bool compressed) {
    return WriteIndex(dir, relative, compressed);
}

void WriteZipVersion(const TempDir& dir, const std::string& fileName) { SampleZip().WriteTo(dir.file(fileName)); }

void WriteLargeZip(const TempDir& dir, const std::string& relative, std::size_t size) {
    ziptest::ZipWriter zip;
    zip.Add("large.bin", std::string(size, 'x'), 0);
    zip.WriteTo(dir.file(relative));
}

}  // namespace windowtest
