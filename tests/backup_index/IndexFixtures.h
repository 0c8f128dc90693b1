// Shared fixtures of the index reader tests: a complete index with a value
// different from the initial one in every field, and a field-by-field view of
// an index for comparing whole indexes at once.
#pragma once

#include <map>
#include <string>

#include "IndexFileWriter.h"
#include "backup_index/Backupproindex.h"

namespace fixtures {

// Every field set to a value that differs from the initial one; three
// elements, the first with three exclusions.
indexwriter::IndexContents FullContents();

// Field name -> value as text ("elements" lists "name|flag|exclusion,exclusion" per element, joined by ";").
using Fields = std::map<std::string, std::string>;
Fields FieldsOf(const VUvivuzOvuDodid& index);
// The fields an index holds after reading these contents (version included).
Fields FieldsOf(const indexwriter::IndexContents& contents);
std::string ElementText(const indexwriter::Element& element);

// The fields that a file sets, in file order (the names of the binary marks).
extern const char* const kFieldsAfterElements[10];

}  // namespace fixtures
