// Writes backup index files, binary and XML, for tests and for the demo's
// sample backup. The program itself only reads indexes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CalendarTime.h"
#include "platform/DateTimeText.h"

namespace indexwriter {

// The bytes of a binary index, built field by field (little-endian). Mark()
// remembers the current size under a name, so a test knows where fields end.
class BinaryBuilder {
public:
    BinaryBuilder& Raw(std::string_view bytes);
    BinaryBuilder& Int32(std::int32_t value);
    BinaryBuilder& Flag(std::uint8_t value);
    BinaryBuilder& Double(double value);
    BinaryBuilder& Text(std::string_view text);  // length record + bytes
    BinaryBuilder& TextWithLength(std::int32_t length, std::string_view bytes);
    BinaryBuilder& Mark(const std::string& name);

    const std::string& bytes() const { return bytes_; }
    std::size_t MarkOf(const std::string& name) const { return marks_.at(name); }

private:
    std::string bytes_;
    std::map<std::string, std::size_t> marks_;
};

struct Element {
    std::string name;
    bool is_excluded = false;
    std::vector<std::string> exclusions;
};

// The contents of one index file.
struct IndexContents {
    std::int32_t version = 100;
    std::string name = "Sample backup";
    CalendarTime last_update{2024, 3, 5, 14, 30, 0, 0};
    std::vector<Element> elements;
    std::string include_mask = "*.*";
    std::string exclude_mask;
    bool apply_masks_to_folders = false;
    std::string device;
    std::string backup_folder;
    std::int32_t writing_speed = -1;
    bool use_compression = true;
    std::int32_t compression_level = 2;
    bool use_timestamps = false;
    std::int32_t timestamps_using_method = 0;
};

// Index "Docs", last updated 2005-03-01 09:30, as the restoration tests use it:
// its data is expected at "Docs" (+ " 2005-03-01_09-30" when stamped), then
// ".zip" when compressed or a separator for a folder copy.
IndexContents DocsIndex(bool compressed, bool stamped = false);

// A whole binary index file. Marks: "signature", "version", "name",
// "last_update", "element_count", "element0".."elementN-1" (end of each
// element record), then one per field after the elements, by field name.
BinaryBuilder BinaryIndex(const IndexContents& index);

// A short date and time as the given conventions write it ("3/5/2024 14:30:00").
std::string ShortDateTimeText(const CalendarTime& time, const platform::DateTimeConventions& conventions);

// A whole XML index file with every field as an attribute; "last_update" in the
// given conventions. Texts are escaped (& < > " and control characters).
std::string XmlIndex(const IndexContents& index, const platform::DateTimeConventions& conventions);

// Escapes a text for an XML attribute value in double quotes.
std::string XmlEscape(std::string_view text);

}  // namespace indexwriter
