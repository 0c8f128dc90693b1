// Backups laid out as a user finds them on a disc, for the window tests: an
// index beside its ZIP archive or folder copy, older stamped versions, and
// files that are not indexes.
#pragma once

#include <string>

#include "TempDir.h"

namespace windowtest {

// The items of the sample ZIP archive, as its listing shows them: the folder
// element "Docs" + separator, then the file element "readme.txt".
inline constexpr const char* kDocsA = "Docs/a.txt";
inline constexpr const char* kDocsB = "Docs/sub/b.txt";
inline constexpr const char* kReadme = "readme.txt";

// Index "Docs.lxi" (binary form, named "Docs", last updated 2005-03-01 09:30)
// below folder relative (may be ""), with its data:
//   zip:    Docs.zip holding Docs/a.txt, Docs/sub/b.txt and readme.txt
//   folder: Docs/ holding the same files
// Returns the index path.
std::string WriteZipBackup(const testsupport::TempDir& dir, const std::string& relative = "");
std::string WriteFolderBackup(const testsupport::TempDir& dir, const std::string& relative = "");
// Only the index of a ZIP backup (or of a folder copy): its data is missing;
// stamped ZIP versions may be added with WriteZipVersion ("Docs 2005-02-28_10-00.zip").
std::string WriteIndexOnly(const testsupport::TempDir& dir, const std::string& relative = "", bool compressed = true);
void WriteZipVersion(const testsupport::TempDir& dir, const std::string& fileName);
// A ZIP archive of one stored item of the given size, for a restoration that
// lasts.
void WriteLargeZip(const testsupport::TempDir& dir, const std::string& relative, std::size_t size);

// The contents the sample files restore with.
std::string ContentOf(const std::string& item);

}  // namespace windowtest
