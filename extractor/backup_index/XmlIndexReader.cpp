// The XML index form: one root element "Lumavex_backup_index_record" with the
// attribute type="backup", the index fields as its attributes, a child
// "backup_element" per element and below it a child "exclusion" per exclusion.
//
// Attribute values are taken raw from the parser (its own entity handling is
// off) and decoded by xmlvalues::DecodeReferences, so that the bytes of texts
// in the system's code page pass through unchanged. Line ends inside values
// arrive as single line feeds (the parser normalises CR LF and CR); tabs and
// line feeds are not turned into blanks.
#include <tinyxml2.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <optional>

#include "backup_index/Backupproindex.h"
#include "backup_index/DateTimeValue.h"
#include "backup_index/XmlValues.h"
#include "platform/DateTimeText.h"

namespace {

constexpr const char* kRootName = "Lumavex_backup_index_record";
constexpr const char* kElementName = "backup_element";
constexpr const char* kExclusionName = "exclusion";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// True when the first character after an optional UTF-8 byte order mark and
// white space is "<". Anything else is not well-formed XML, and answering
// early keeps a binary index from being loaded whole only to be refused.
bool BeginsLikeXml(std::FILE* file) {
    unsigned char bom[3];
    const std::size_t got = std::fread(bom, 1, 3, file);
    const bool hasBom = got == 3 && bom[0] == 0xEF && bom[1] == 0xBB && bom[2] == 0xBF;
    if (!hasBom) std::rewind(file);
    int c;
    do {
        c = std::fgetc(file);
    } while (c == ' ' || c == '\t' || c == '\r' || c == '\n');
    std::rewind(file);
    return c == '<';
}

// Loads the document; false for anything that cannot be loaded as XML.
bool Load(tinyxml2::XMLDocument& document, const std::string& fileName) {
    FilePtr file(std::fopen(fileName.c_str(), "rb"));
    if (!file || !BeginsLikeXml(file.get())) return false;
    try {
        return document.LoadFile(file.get()) == tinyxml2::XML_SUCCESS;
    } catch (const std::bad_alloc&) {
        return false;  // too large to hold in memory: not an index we can read as XML
    }
}

// Reading of the attributes of one element of the document.
class Attributes {
public:
    Attributes(const tinyxml2::XMLElement& element, bool utf8Document)
        : element_(element), utf8_(utf8Document) {}

    std::optional<std::string> Text(const char* name) const {
        const char* raw = element_.Attribute(name);
        if (raw == nullptr) return std::nullopt;
        return xmlvalues::DecodeReferences(raw, utf8_);
    }

    // Absent: empty.
    std::string TextOrEmpty(const char* name) const { return Text(name).value_or(std::string()); }

    std::optional<std::int32_t> Integer(const char* name) const {
        const auto text = Text(name);
        if (!text) return std::nullopt;
        return xmlvalues::ToInteger(*text);
    }

    // Absent: the target keeps its value.
    void UpdateInteger(const char* name, std::int32_t& target) const {
        if (const auto value = Integer(name)) target = *value;
    }
    void UpdateFlag(const char* name, bool& target) const {
        if (const auto value = Integer(name)) target = *value != 0;
    }

private:
    const tinyxml2::XMLElement& element_;
    bool utf8_;
};

double ToDateTimeValue(const std::optional<std::string>& text) {
    if (text) {
        if (const auto fields = platform::TextToDateTime(*text)) {
            if (const auto value = EncodeDateTime(*fields)) return *value;
        }
    }
    // A missing attribute reads as an empty text, which is no date either.
    throw EConvertError("'" + text.value_or(std::string()) + "' is not a valid date and time");
}

}  // namespace

std::int32_t VUvivuzOvuDodid::ImportXml(const std::string& fileName) {
    tinyxml2::XMLDocument document(false, tinyxml2::PRESERVE_WHITESPACE);
    if (!Load(document, fileName)) return kIndexReadFailed;
    const tinyxml2::XMLElement* root = document.RootElement();
    if (root == nullptr || std::strcmp(root->Name(), kRootName) != 0) return kIndexReadFailed;
    if (Attributes(*root, xmlvalues::IsUtf8Document(document)).Text("type") != "backup") return kIndexReadFailed;
    FillFromXmlRecord(*root);
    return kIndexReadOk;
}

void VUvivuzOvuDodid::FillFromXmlRecord(const tinyxml2::XMLElement& root) {
    const bool utf8 = xmlvalues::IsUtf8Document(*root.GetDocument());
    const Attributes record(root, utf8);

    name = record.TextOrEmpty("name");
    last_update = ToDateTimeValue(record.Text("last_update"));

    elements.clear();
    for (const auto* child = root.FirstChildElement(kElementName); child != nullptr;
         child = child->NextSiblingElement(kElementName)) {
        const Attributes attributes(*child, utf8);
        CBackupElement element;
        element.name = attributes.TextOrEmpty("name");
        attributes.UpdateFlag("is_excluded", element.is_excluded);
        for (const auto* exclusion = child->FirstChildElement(kExclusionName); exclusion != nullptr;
             exclusion = exclusion->NextSiblingElement(kExclusionName)) {
            element.exclusions.push_back(Attributes(*exclusion, utf8).TextOrEmpty("name"));
        }
        elements.push_back(std::move(element));
    }

    include_mask = record.TextOrEmpty("include_mask");
    exclude_mask = record.TextOrEmpty("exclude_mask");
    record.UpdateFlag("apply_masks_to_folders", apply_masks_to_folders);
    device = record.TextOrEmpty("device");
    backup_folder = record.TextOrEmpty("backup_folder");
    record.UpdateInteger("writing_speed", writing_speed);
    record.UpdateFlag("use_compression", use_compression);
    record.UpdateInteger("compression_level", compression_level);
    record.UpdateFlag("use_timestamps", use_timestamps);
    record.UpdateInteger("timestamps_using_method", timestamps_using_method);
}
